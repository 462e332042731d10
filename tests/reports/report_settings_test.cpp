// Which file supplies which report setting, column usability, and writing options back.
#include "reports/report_settings.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "reports/column_ids.h"
#include "reports/report_columns.h"
#include "support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kDescriptor =
    "[Report]\nName=R\nTitle=Descriptor title\nSummary=Итого\nColumns=2\n"
    "DateFormat=DD.MM.YYYY hh\nDateTitleD=Сутки\n"
    "[Header]\n0=Desc header 1\n1=Desc header 2\n[Footer]\n0=Desc footer\n"
    "[Column0]\nID=3\nTitle=Q\nFormat=%1.3f\nSummary=csSum\n"
    "[Column1]\nID=4\nTitle=M\n";

class ReportSettings : public ::testing::Test {
  protected:
    // Loads the descriptor above and a module report file with the given text.
    ReportRecords Load(const std::string& moduleText, int archiveKind = 0) {
        const IniFile descriptor(dir_.WriteFile("d.ini", kDescriptor));
        const IniFile module(dir_.WriteFile("m.ini", moduleText));
        ReportRecords records;
        records.RepI.ArchiveKind = archiveKind;
        LoadReportSettings(descriptor, module, records);
        return records;
    }
    bool Column(const std::string& moduleText, int index, int archiveKind, ReportRecords& r) {
        const IniFile descriptor(dir_.WriteFile("d.ini", kDescriptor));
        const IniFile module(dir_.WriteFile("m.ini", moduleText));
        r.RepI.ArchiveKind = archiveKind;
        return LoadColumn(descriptor, module, index, r);
    }
    TempDir dir_;
};

TEST_F(ReportSettings, ModuleFileWinsForTitleAndTextsDescriptorOtherwise) {
    struct Case {
        const char* name;
        std::string module;
        std::string title;
        Lines header;
        Lines footer;
    };
    const Case cases[] = {
        {"empty module file",
         "",
         "Descriptor title",
         {"Desc header 1", "Desc header 2"},
         {"Desc footer"}},
        {"module overrides",
         "[Report]\nTitle=Own\n[Header]\n0=Own header\n[Footer]\n0=a\n1=b\n",
         "Own",
         {"Own header"},
         {"a", "b"}},
        {"one empty header key hides the descriptor's header",
         "[Header]\n0=\n",
         "Descriptor title",
         {""},
         {"Desc footer"}},
        {"blank module title falls back",
         "[Report]\nTitle=\n",
         "Descriptor title",
         {"Desc header 1", "Desc header 2"},
         {"Desc footer"}},
    };
    for (const Case& c : cases) {
        const ReportRecords r = Load(c.module);
        EXPECT_EQ(r.RepO.Title, c.title) << c.name;
        EXPECT_EQ(r.RepO.Header, c.header) << c.name;
        EXPECT_EQ(r.RepO.Footer, c.footer) << c.name;
    }
}

TEST_F(ReportSettings, ContentFromTheDescriptorAppearanceFromTheModule) {
    const ReportRecords r = Load(
        "[Report]\nSummary=ignored\nColumns=9\nSummaryOnly=1\nExtraCol=1\nExtraTHeader=1\n"
        "SaveOpt=0\nAddrPdfKat=/pdf\nAddrPdfFl=a.pdf\nFontName=1\nFontStyle=8\nPageFormat=0\n"
        "PageNum=3\nZavN=1\nTipM=1\n[TitleOpt]\na=1\ns=3\n[TabHeadOpt]\nr=1\n",
        1);
    EXPECT_EQ(r.RepO.SummaryCaption, "Итого");
    EXPECT_EQ(r.RepO.ColumnCount, 2);
    EXPECT_EQ(r.RepI.DateFormat, "DD.MM.YYYY hh");
    EXPECT_EQ(r.RepO.DateTitle, "Сутки");
    EXPECT_TRUE(r.RepO.SummaryOnly);
    EXPECT_TRUE(r.RepI.NumberingColumn);
    EXPECT_TRUE(r.RepI.SpecialHeader);
    EXPECT_FALSE(r.RepI.SaveOptions);
    EXPECT_EQ(r.RepO.PdfDir, "/pdf");
    EXPECT_EQ(r.RepO.PdfFileName, "a.pdf");
    EXPECT_STREQ(ReportFontName(r.RepO.FontNameIndex), "Times New Roman");
    EXPECT_EQ(ReportFontSize(r.RepO.FontSizeIndex), 14);
    EXPECT_FALSE(r.RepO.Portrait);
    EXPECT_EQ(r.RepO.PageNumber, pnLeft);
    EXPECT_TRUE(r.RepO.PrintSerialNumber);
    EXPECT_TRUE(r.RepO.PrintModuleType);
    EXPECT_EQ(r.RepO.TitleOpt.Align, taCenter);
    EXPECT_EQ(r.RepO.TitleOpt.Style, kStyleBold | kStyleItalic);
    EXPECT_EQ(FrameLineWidth(r.RepO.TabHeadOpt.Frame), 2);
    EXPECT_EQ(FrameLineWidth(r.RepO.SummaryOpt.Frame), 1);
}

TEST_F(ReportSettings, DefaultsAndRepairedValues) {
    ReportRecords r = Load("");
    EXPECT_TRUE(r.RepI.SaveOptions);
    EXPECT_TRUE(r.RepO.Portrait);
    EXPECT_EQ(r.RepO.PageNumber, pnCenter);
    EXPECT_EQ(ReportFontSize(r.RepO.FontSizeIndex), 10);
    EXPECT_EQ(r.RepO.DateTitle, "Дата, Время");

    r = Load("[Report]\nFontStyle=-1\nFontName=-1\n", 2);
    EXPECT_EQ(ReportFontSize(r.RepO.FontSizeIndex), 10);
    EXPECT_STREQ(ReportFontName(r.RepO.FontNameIndex), "Arial");
    EXPECT_EQ(r.RepO.DateTitle, "Дата");

    std::string format, title = "kept";
    ReadDateSettings(IniFile(dir_ / "none.ini"), 7, format, title);
    EXPECT_EQ(format, "DD.MM.YY HH:NN");
    EXPECT_EQ(title, "kept");
}

TEST_F(ReportSettings, ColumnIsUsableOnlyWithSectionParameterAndDepth) {
    struct Case {
        const char* name;
        std::string module;
        int kind;
        bool usable;
        int param;
        int depth;
    };
    const Case cases[] = {
        {"hourly assigned", "[Id_3]\nArchiveH=00A0\nMaxIndexH=1488\n", 0, true, 0xA0, 1488},
        {"depth 0", "[Id_3]\nArchiveH=00A0\nMaxIndexH=0\n", 0, false, 0, 0},
        {"parameter 0", "[Id_3]\nArchiveH=0\nMaxIndexH=10\n", 0, false, 0, 0},
        {"other kind assigned only", "[Id_3]\nArchiveD=00A0\nMaxIndexD=62\n", 0, false, 0, 0},
        {"daily", "[Id_3]\nArchiveD=00a1\nMaxIndexD=62\n", 1, true, 0xA1, 62},
        {"no section", "[Id_4]\nArchiveH=00A0\nMaxIndexH=10\n", 0, false, 0, 0},
        {"garbage parameter", "[Id_3]\nArchiveH=zz\nMaxIndexH=10\n", 0, false, 0, 0},
        {"negative depth", "[Id_3]\nArchiveH=00A0\nMaxIndexH=-5\n", 0, false, 0, 0},
        {"huge depth", "[Id_3]\nArchiveH=00A0\nMaxIndexH=99999999999\n", 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        ReportRecords r;
        EXPECT_EQ(Column(c.module, 0, c.kind, r), c.usable) << c.name;
        EXPECT_EQ(r.ColO.Id, 3) << c.name;
        EXPECT_EQ(r.ColO.ArchiveParam, c.param) << c.name;
        EXPECT_EQ(r.ColO.ArchiveDepth, c.depth) << c.name;
    }
}

TEST_F(ReportSettings, ColumnContentAndAppearance) {
    ReportRecords r;
    ASSERT_TRUE(Column("[Id_3]\nArchiveM=0101\nMaxIndexM=12\nColWidth=80\na=2\ns=1\n", 0, 2, r));
    EXPECT_EQ(r.ColO.Title, "Q");
    EXPECT_EQ(r.ColO.Format, "%1.3f");
    EXPECT_EQ(r.ColO.Summary, "csSum");
    EXPECT_EQ(r.ColO.Width, 80);
    EXPECT_EQ(r.ColO.Options.Align, taRight);
    EXPECT_EQ(r.ColO.Options.Style, kStyleBold);

    EXPECT_FALSE(Column("", 1, 0, r));
    EXPECT_EQ(r.ColO.Format, "%1.2f");
    EXPECT_EQ(r.ColO.Summary, "csNone");
    EXPECT_EQ(r.ColO.Width, 50);
}

TEST_F(ReportSettings, ClearingSaveOptionsWritesOnlySaveOptAndKeepsTheRest) {
    const std::string module = dir_.WriteFile(
        "m.ini", "[Report]\nName=R\nFontStyle=8\nPageNum=2\n[TitleOpt]\na=2\ns=0\nr=0\n");
    ReportRecords r;
    r.RepI.ModuleReportPath = module;
    EXPECT_TRUE(SaveReportSettings(r));  // nothing loaded: nothing written
    EXPECT_FALSE(IniFile(module).ValueExists("Report", "SaveOpt"));

    r.Loaded = true;
    r.RepI.SaveOptions = false;
    r.RepO.FontSizeIndex = 0;
    r.RepO.TitleOpt = {};
    ASSERT_TRUE(SaveReportSettings(r));
    ReportRecords back;
    LoadReportSettings(IniFile(dir_ / "none.ini"), IniFile(module), back);
    EXPECT_FALSE(back.RepI.SaveOptions);
    EXPECT_EQ(ReportFontSize(back.RepO.FontSizeIndex), 14);
    EXPECT_EQ(back.RepO.PageNumber, pnRight);
    EXPECT_EQ(back.RepO.TitleOpt.Align, taRight);

    r.RepI.SaveOptions = true;
    const std::string other = dir_ / "other.ini";
    ASSERT_TRUE(SaveReportSettingsTo(r, other));
    LoadReportSettings(IniFile(dir_ / "none.ini"), IniFile(other), back);
    EXPECT_TRUE(back.RepI.SaveOptions);
    EXPECT_EQ(ReportFontSize(back.RepO.FontSizeIndex), 5);
    EXPECT_EQ(back.RepO.TitleOpt.Align, taLeft);
    EXPECT_EQ(IniFile(module).ReadInteger("Report", "FontStyle", 0), 8);
}

TEST_F(ReportSettings, ColumnOptionsRoundTripThroughTheModuleFile) {
    ReportRecords r;
    r.RepI.ModuleReportPath = dir_ / "m.ini";
    r.ColO.Id = 15000;
    r.ColO.Width = 120;
    r.ColO.Options = {taCenter, kStyleItalic, 0};
    ASSERT_TRUE(SaveColumnOptions(r));
    r.ColO = S_colO{};
    LoadColumnOptions(r, 15000);
    EXPECT_EQ(r.ColO.Width, 120);
    EXPECT_EQ(r.ColO.Options.Style, kStyleItalic);
    LoadColumnOptions(r, 10000);
    EXPECT_EQ(r.ColO.Id, 10000);
    EXPECT_EQ(r.ColO.Width, 50);
}

TEST(ColumnIds, GridColumnsMapToSlotsWithAndWithoutNumbering) {
    for (bool numbering : {true, false}) {
        ColumnIdList list = MakeColumnIdList(numbering);
        AddColumnId(list, 3);
        AddColumnId(list, 4);
        const std::vector<int> expected = numbering ? std::vector<int>{10000, 15000, 3, 4, -1}
                                                    : std::vector<int>{15000, 3, 4, -1};
        for (size_t c = 0; c < expected.size(); ++c)
            EXPECT_EQ(ColumnIdOfGridColumn(list, static_cast<int>(c)), expected[c]) << numbering;
        EXPECT_EQ(ColumnIdOfGridColumn(list, -1), -1);
    }
}

TEST(ArchiveSuffix, ByArchiveKind) {
    S_repI r;
    const std::pair<int, const char*> cases[] = {{0, "H"}, {1, "D"}, {2, "M"}, {3, ""}};
    for (const auto& [kind, suffix] : cases) {
        r.ArchiveKind = kind;
        EXPECT_EQ(ArchiveKindSuffix(r), suffix);
    }
}

}  // namespace
