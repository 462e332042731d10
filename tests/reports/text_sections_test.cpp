// Header and signature lines stored as numbered keys, shown in the editors, read with fallback.
#include "reports/text_sections.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(TextSections, WriteCutsAtCrLfAndAlwaysWritesTheLastPiece) {
    struct Case {
        std::string text;
        Pairs stored;
    };
    const Case cases[] = {
        {"A\r\nB\r\n", {{"0", "A"}, {"1", "B"}, {"2", ""}}},
        {"A\r\nB", {{"0", "A"}, {"1", "B"}}},
        {"", {{"0", ""}}},
        {"\r\n\r\n", {{"0", ""}, {"1", ""}, {"2", ""}}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        IniFile ini(dir / "h.ini");
        ini.WriteString("Header", "7", "stale");
        WriteTextSection(ini, c.text, "Header");
        ASSERT_TRUE(ini.Save());
        const IniFile back(dir / "h.ini");
        EXPECT_EQ(back.ReadSectionValues("Header"), c.stored) << c.text;
    }
}

TEST(TextSections, ShowTurnsEmptyLinesIntoBlanksAndDropsOneTrailingBlank) {
    TempDir dir;
    const std::string path =
        dir.WriteFile("a.ini", "[H]\n0=A\n1=\n2=B\n3=\n[One]\n0=\n[Two]\n0=\n1=\n[Skip]\n5=x\n");
    const IniFile ini(path);
    EXPECT_EQ(ShowTextSection(ini, "H"), (Lines{"A", " ", "B"}));
    EXPECT_EQ(ShowTextSection(ini, "One"), Lines{});
    EXPECT_EQ(ShowTextSection(ini, "Two"), Lines{" "});
    EXPECT_EQ(ShowTextSection(ini, "Skip"), Lines{"x"});
    EXPECT_EQ(ShowTextSection(ini, "Missing"), Lines{});
}

TEST(TextSections, ReadTakesKeysInFileOrderOrTheFallback) {
    TempDir dir;
    const IniFile ini(dir.WriteFile("a.ini", "[H]\n1=second\n0=first\n[E]\n"));
    Lines target{"old"};
    ReadTextSection(ini, "H", target, {"fallback"});
    EXPECT_EQ(target, (Lines{"second", "first"}));
    ReadTextSection(ini, "E", target, {"fallback"});
    EXPECT_EQ(target, Lines{"fallback"});
}

TEST(TextSections, EraseAllSectionsLeavesAnEmptyFile) {
    TempDir dir;
    IniFile ini(dir.WriteFile("a.ini", "[A]\nx=1\n[B]\ny=2\n"));
    EraseAllSections(ini);
    ASSERT_TRUE(ini.Save());
    EXPECT_TRUE(IniFile(dir / "a.ini").ReadSections().empty());
}

}  // namespace
