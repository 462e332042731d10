// Row lookup, value cells and column totals of the report table.
#include "output/table/table_values.h"

#include <cmath>

#include "output/table/value_text.h"
#include "reports/report_keys.h"

namespace {

constexpr double kOverflowValue = 3.0e30;

}  // namespace

int RowForTime(const ReportTable& table, TDateTime t) {
    const auto found = table.LabelRows.find(DateLabel(table.Kind, false, t, table.Patterns));
    return found == table.LabelRows.end() ? kRowNotFound : found->second;
}

bool PutValue(ReportTable& table, int column, int row, double value, const std::string& format) {
    if (row < 1 || row > table.Periods)
        return false;
    std::string& cell = table.Columns[column].Cells[row];
    if (std::isnan(value)) {
        cell = " - ";
        return false;
    }
    if (value > kOverflowValue) {
        cell = " ***";
        return false;
    }
    std::string text = FormatValue(format, value, CurrentFormatSettings().DecimalSeparator);
    if (cell == text)
        return false;
    cell = std::move(text);
    return true;
}

std::pair<double, int> ColumnTotal(const ReportTable& table, int column) {
    const char separator = CurrentFormatSettings().DecimalSeparator;
    double sum = 0;
    int count = 0;
    for (int row = 1; row <= table.Periods; ++row)
        if (const auto value = ParseValueText(table.Cell(column, row), separator)) {
            sum += *value;
            ++count;
        }
    if (sum == 0 && count == 0)
        count = 1;
    return {sum, count};
}

void PutSummary(ReportTable& table, int column, const std::string& summaryKind,
                const std::string& format) {
    const auto [sum, count] = ColumnTotal(table, column);
    const char separator = CurrentFormatSettings().DecimalSeparator;
    std::string& cell = table.Columns[column].Cells[table.SummaryRow()];
    if (summaryKind == kSummarySum)
        cell = FormatValue(format, sum, separator);
    else if (summaryKind == kSummaryAverage)
        cell = FormatValue(format, sum / count, separator);
    else if (summaryKind == kSummaryNone)
        cell = " - ";
    else
        cell.clear();
}
