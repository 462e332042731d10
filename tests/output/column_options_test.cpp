// Column widths and options changed on the data page are stored at once, and "Применить ко
// всем модулям" copies the appearance to the other modules with the same report form.
#include <gtest/gtest.h>

#include "output/reading/read_from_flash.h"
#include "output/view/apply_to_all.h"
#include "output/view/column_options.h"
#include "output/view_fixture.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_columns.h"
#include "reports/report_keys.h"
#include "reports/report_settings.h"

namespace {

std::string FileText(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

class ColumnOptionsTest : public DemoModules {
  protected:
    void SetUp() override {
        DemoModules::SetUp();
        records.RepI.ModuleDir = world.reports.ModuleDir;
        records.RepI.ModuleReportPath = ModuleReport(world.reports.ModuleDir, "00000001.ini");
        records.RepI.DescriptorPath = JoinPath(world.reportsDir, "00000001.ini");
        const ReadingResult r = ReadFromFlash(table, records, EncodeDateTime(2024, 3, 10, 0, 0, 0),
                                              EncodeDateTime(2024, 3, 10, 6, 0, 0), nullptr);
        ASSERT_EQ(r.Code, 0) << r.Message;
    }
    ReportRecords records;
    ReportTable table;
    SpecialHeader header;
};

TEST_F(ColumnOptionsTest, WidthAndOptionsAreStoredAtOnce) {
    BuildDefaultHeader(header, table, {}, {});
    ASSERT_TRUE(SetTableColumnWidth(records, table, header, 1, 123));
    EXPECT_EQ(table.Columns[1].Width, 123);
    EXPECT_EQ(header.GridColWidths[2], 123);  // the special header prints with the same width
    ASSERT_TRUE(SetTableColumnOptions(records, table, 0, {taRight, kStyleBold | kStyleItalic, 0}));
    EXPECT_EQ(table.Columns[0].Options.Style, 3);

    ReportRecords reloaded;
    reloaded.RepI = records.RepI;
    LoadColumnOptions(reloaded, table.Ids.Ids[2]);
    EXPECT_EQ(reloaded.ColO.Width, 123);
    LoadColumnOptions(reloaded, kDateColumnId);
    EXPECT_EQ(reloaded.ColO.Options.Align, taRight);
    EXPECT_EQ(reloaded.ColO.Options.Style, 3);

    EXPECT_FALSE(SetTableColumnWidth(records, table, header, 99, 10));
    EXPECT_FALSE(SetTableColumnWidth(records, table, header, -1, 10));
}

TEST_F(ColumnOptionsTest, SelectingAColumnLoadsItsStoredOptions) {
    ASSERT_TRUE(SetTableColumnWidth(records, table, header, 2, 77));
    ASSERT_TRUE(SelectTableColumn(records, table, 1));
    EXPECT_NE(records.ColO.Width, 77);
    ASSERT_TRUE(SelectTableColumn(records, table, 2));
    EXPECT_EQ(records.ColO.Width, 77);
    EXPECT_EQ(records.ColO.Id, table.Ids.Ids[3]);
}

TEST(ParseWholeNumber, AcceptsOnlyWholeNumbers) {
    const std::pair<const char*, std::optional<int>> cases[] = {{"12", 12},
                                                                {" 7 ", 7},
                                                                {"-3", -3},
                                                                {"", std::nullopt},
                                                                {"1,5", std::nullopt},
                                                                {"abc", std::nullopt},
                                                                {"99999999999", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseWholeNumber(text), expected) << text;
}

TEST_F(ColumnOptionsTest, ApplyToAllWritesTheModulesWithTheSameForm) {
    ASSERT_TRUE(RemoveDirectoryTree(world.reports.Controller.ModuleDir));
    const std::string other = CopyModule("07A1_9999");
    const std::string otherHourly = ModuleReport(other, "00000001.ini");
    const std::string otherDaily = ModuleReport(other, "00000002.ini");
    const std::string dailyBefore = FileText(otherDaily);

    records.RepO.FontSizeIndex = 9;
    records.RepO.TitleOpt = {taCenter, kStyleBold, 0};
    ASSERT_TRUE(SetTableColumnWidth(records, table, header, 1, 140));
    const auto written = ApplyOptionsToAllModules(records, table.Ids, world.modulesDir);
    EXPECT_EQ(written, std::vector<std::string>{otherHourly});

    const IniFile hourly(otherHourly);
    EXPECT_EQ(hourly.ReadInteger(kSecReport, "FontStyle", -1), 9);
    EXPECT_EQ(hourly.ReadInteger("TitleOpt", "a", -1), taCenter);
    EXPECT_EQ(hourly.ReadInteger(ColumnIdSection(table.Ids.Ids[2]), kKeyColWidth, 0), 140);
    // The assignment of archive parameters stays the module's own.
    EXPECT_TRUE(hourly.ValueExists(ColumnIdSection(table.Ids.Ids[2]), "ArchiveH"));
    EXPECT_EQ(FileText(otherDaily), dailyBefore);
    // The current file keeps its options untouched by the copy (they are saved on leaving).
    EXPECT_EQ(IniFile(records.RepI.ModuleReportPath).ReadInteger(kSecReport, "FontStyle", -1), -1);
}

}  // namespace
