// Cells of the report table: value text, " - " and " ***", totals and summaries, the
// numbering column.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "output/table/table_columns.h"
#include "output/table/table_values.h"
#include "output/table/value_text.h"
#include "reports/report_keys.h"
#include "support/temp_dir.h"

namespace {

TEST(ValueText, ColumnFormatsWithTheDecimalSeparator) {
    struct Case {
        const char* format;
        double value;
        char separator;
        const char* text;
    } const cases[] = {
        {"%1.2f", 1.005e3, ',', "1005,00"},
        {"%1.3f", -2.5, ',', "-2,500"},
        {"%8.1f", 3.14159, '.', "     3.1"},
        {"%-6.1f|", 3.0, ',', "3,0   |"},
        {"%06.2f", -1.5, ',', "-01,50"},
        {"%.0f т", 12.6, ',', "13 т"},
        {"%1.2e", 1234.5, ',', "1,23e+03"},
        {"100%% %1.1f", 7.0, ',', "100% 7,0"},
        {"%s", 1.0, ',', "1,00"},
        {"%1.2f%1.2f", 1.0, ',', "1,00"},
        {"%999.2f", 1.0, ',', "1,00"},
        {"no conversion", 1.0, ',', "1,00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValue(c.format, c.value, c.separator), c.text) << c.format;
}

TEST(ValueText, ReadsBackOnlyWithTheSameSeparator) {
    EXPECT_EQ(ParseValueText(" 1,50 ", ','), 1.5);
    EXPECT_EQ(ParseValueText("-2,5e1", ','), -25.0);
    EXPECT_EQ(ParseValueText("1.50", '.'), 1.5);
    for (const char* text : {"1.50", " - ", " ***", "", "1,5x", "nan"})
        EXPECT_FALSE(ParseValueText(text, ',')) << text;
}

class TableCells : public ::testing::Test {
  protected:
    void SetUp() override {
        CurrentFormatSettings() = FormatSettings{};
        records.RepI.ModuleReportPath = dir / "module.ini";
        records.RepI.ArchiveKind = 0;
        records.RepI.DateFormat = "DD.MM.YY HH:NN";
        records.RepO.DateTitle = "Дата, Время";
        records.RepO.SummaryCaption = "Итого";
        SetUpRows(table, records, EncodeDateTime(2015, 11, 25, 10, 0, 0),
                  EncodeDateTime(2015, 11, 25, 14, 0, 0));
        S_colO column;
        column.Id = 7;
        column.Title = "Q";
        AddColumn(table, column);
    }
    TempDir dir;
    ReportRecords records;
    ReportTable table;
};

TEST_F(TableCells, RowsLabelsAndEmptyColumn) {
    ASSERT_EQ(table.RowCount(), 6);
    EXPECT_EQ(table.Cell(0, 0), "Дата, Время");
    EXPECT_EQ(table.Cell(0, 1), "25.11.15   10:00");
    EXPECT_EQ(table.Cell(0, 4), "25.11.15   13:00");
    EXPECT_EQ(table.Cell(0, 5), "Итого");
    EXPECT_EQ(table.Cell(1, 0), "Q");
    EXPECT_EQ(table.Cell(1, 2), " - ");
    EXPECT_EQ(table.Cell(1, 5), "");
    EXPECT_EQ(table.Ids.Ids, (std::vector<int>{0, kDateColumnId, 7}));
    EXPECT_EQ(RowForTime(table, EncodeDateTime(2015, 11, 25, 11, 59, 59)), 2);
    EXPECT_EQ(RowForTime(table, EncodeDateTime(2015, 11, 25, 14, 0, 0)), kRowNotFound);
}

TEST_F(TableCells, MarksTotalsAndSummaries) {
    EXPECT_TRUE(PutValue(table, 1, 1, 1.5, "%1.2f"));
    EXPECT_FALSE(PutValue(table, 1, 1, 1.5, "%1.2f"));  // unchanged
    EXPECT_FALSE(PutValue(table, 1, 2, 4.0e30, "%1.2f"));
    EXPECT_FALSE(PutValue(table, 1, 3, std::numeric_limits<double>::quiet_NaN(), "%1.2f"));
    EXPECT_TRUE(PutValue(table, 1, 4, 2.254, "%1.2f"));
    EXPECT_FALSE(PutValue(table, 1, 5, 9.0, "%1.2f"));  // the summary row is not a data row
    EXPECT_EQ(table.Cell(1, 2), " ***");
    EXPECT_EQ(table.Cell(1, 3), " - ");
    EXPECT_EQ(table.Cell(1, 4), "2,25");
    const auto [sum, count] = ColumnTotal(table, 1);
    EXPECT_DOUBLE_EQ(sum, 3.75);  // from the displayed text, 2.254 counts as 2.25
    EXPECT_EQ(count, 2);
    const struct {
        const char* kind;
        const char* cell;
    } summaries[] = {
        {kSummarySum, "3,750"}, {kSummaryAverage, "1,875"}, {kSummaryNone, " - "}, {"csOther", ""}};
    for (const auto& s : summaries) {
        PutSummary(table, 1, s.kind, "%1.3f");
        EXPECT_EQ(table.Cell(1, table.SummaryRow()), s.cell) << s.kind;
    }
}

TEST_F(TableCells, AverageOfAnAllDashColumnIsZero) {
    EXPECT_EQ(ColumnTotal(table, 1), std::make_pair(0.0, 1));
    PutSummary(table, 1, kSummaryAverage, "%1.2f");
    EXPECT_EQ(table.Cell(1, table.SummaryRow()), "0,00");
}

TEST_F(TableCells, NumberingColumnComesAndGoes) {
    AddNumberingColumn(table, records);
    AddNumberingColumn(table, records);
    ASSERT_EQ(table.Columns.size(), 3u);
    EXPECT_EQ(table.Cell(0, 0), "№");
    EXPECT_EQ(table.Cell(0, 4), "4");
    EXPECT_EQ(table.Cell(0, 5), "");
    EXPECT_EQ(table.DateColumn(), 1);
    EXPECT_EQ(ColumnIdOfGridColumn(table.Ids, 0), kNumberingColumnId);
    EXPECT_EQ(ColumnIdOfGridColumn(table.Ids, 2), 7);
    EXPECT_EQ(RowForTime(table, EncodeDateTime(2015, 11, 25, 12, 0, 0)), 3);
    RemoveNumberingColumn(table);
    EXPECT_EQ(table.Columns.size(), 2u);
    EXPECT_EQ(table.Cell(0, 0), "Дата, Время");
    EXPECT_EQ(ColumnIdOfGridColumn(table.Ids, 1), 7);
}

}  // namespace
