// The prepared-report file: round trip, and files that are not ours, damaged, newer or absurd.
#include "output/engine/frp_file.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/print_fixture.h"
#include "support/temp_dir.h"

namespace {

PreparedReport SampleReport() {
    return PrepareSampleBlank(90, 4);
}

void ExpectSameItems(const TextItem& a, const TextItem& b) {
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.fontName, b.fontName);
    EXPECT_EQ(a.fontSize, b.fontSize);
    EXPECT_EQ(a.fontStyle, b.fontStyle);
    EXPECT_EQ(a.alignment, b.alignment);
    EXPECT_EQ(a.frameSides, b.frameSides);
    EXPECT_EQ(a.frameWidth, b.frameWidth);
}

TEST(FrpFile, RoundTripKeepsEveryPageAndItem) {
    TempDir dir;
    const PreparedReport report = SampleReport();
    ASSERT_GE(report.pages.size(), 2u);
    std::string error;
    ASSERT_TRUE(SavePreparedReport(report, dir / "r.frp", error)) << error;
    const auto loaded = LoadPreparedReport(dir / "r.frp", error);
    ASSERT_TRUE(loaded) << error;
    ASSERT_EQ(loaded->pages.size(), report.pages.size());
    for (size_t p = 0; p < report.pages.size(); ++p) {
        EXPECT_EQ(loaded->pages[p].width, report.pages[p].width);
        EXPECT_EQ(loaded->pages[p].height, report.pages[p].height);
        ASSERT_EQ(loaded->pages[p].items.size(), report.pages[p].items.size());
        for (size_t i = 0; i < report.pages[p].items.size(); ++i)
            ExpectSameItems(loaded->pages[p].items[i], report.pages[p].items[i]);
    }
}

TEST(FrpFile, BadFilesGiveAClearMessage) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(SavePreparedReport(SampleReport(), dir / "good.frp", error));
    const auto good = ReadWholeFile(dir / "good.frp");
    const std::string goodText(good->begin(), good->end());
    const std::string item =
        R"({"x":1,"y":1,"w":10,"h":10,"text":"a","font":"Arial","size":10,"style":0,)"
        R"("align":0,"frame":0,"frameWidth":1})";
    const auto page = [&](const std::string& width, const std::string& items) {
        return R"({"format":"velorm-frp","pages":[{"height":1122,"items":[)" + items +
               R"(],"width":)" + width + R"(}],"version":1})";
    };
    struct Case {
        const char* name;
        std::string contents;
        const char* message;
    };
    const Case cases[] = {
        {"text", "просто текст", "не является файлом отчета"},
        {"other json", R"({"pages":[]})", "не является файлом отчета"},
        {"empty", "", "не является файлом отчета"},
        {"truncated", goodText.substr(0, goodText.size() / 2), "поврежден"},
        {"newer", R"({"format":"velorm-frp","pages":[],"version":2})", "более новой версией"},
        {"no version", R"({"format":"velorm-frp","pages":[]})", "поврежден"},
        {"huge page", page("1e12", item), "вне допустимых пределов"},
        {"negative width", page("794", R"({"x":1,"y":1,"w":-5,"h":10})"), "поврежден"},
        {"missing field", page("794", R"({"x":1})"), "поврежден"},
        {"wrong kind", page("794", R"("item")"), "не объект"},
        {"nan style", page("794", item.substr(0, item.size() - 1) + R"(,"size":"big"})"),
         "поврежден"},
        {"pages not array", R"({"format":"velorm-frp","pages":{},"version":1})", "страниц"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.WriteFile(std::string(c.name) + ".frp", c.contents);
        error.clear();
        EXPECT_FALSE(LoadPreparedReport(path, error)) << c.name;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
        EXPECT_NE(error.find(path), std::string::npos) << c.name;
    }
    error.clear();
    EXPECT_FALSE(LoadPreparedReport(dir / "absent.frp", error));
    EXPECT_NE(error.find("Не удалось прочитать"), std::string::npos);
}

}  // namespace
