// The grid steps of a table build: rows with date labels, data columns, the numbering column.
#include "output/table/table_columns.h"

#include <algorithm>
#include <string>

#include "output/table/date_label.h"
#include "output/table/period.h"
#include "reports/report_columns.h"
#include "reports/report_keys.h"

namespace {

TableColumn NewColumn(const ReportTable& table, const std::string& title, const S_colO& look) {
    TableColumn c;
    c.Title = title;
    c.Width = look.Width;
    c.Options = look.Options;
    c.Cells.assign(table.Periods + 2, "");
    c.Cells[0] = title;
    return c;
}

}  // namespace

void SetUpRows(ReportTable& table, ReportRecords& records, TDateTime start, TDateTime end) {
    ClearTable(table);
    table.Kind = records.RepI.ArchiveKind;
    table.DateFormat = records.RepI.DateFormat;
    table.Periods = std::min(PeriodCount(table.Kind, start, end), kMaxPeriods);
    table.Ids.Ids[1] = kDateColumnId;
    LoadColumnOptions(records, kDateColumnId);
    TableColumn dates = NewColumn(table, records.RepO.DateTitle, records.ColO);
    dates.Cells[table.SummaryRow()] = records.RepO.SummaryCaption;
    table.Patterns = SplitDateFormat(table.DateFormat);
    TDateTime t = start;
    table.LabelRows.reserve(table.Periods);
    for (int i = 0; i < table.Periods; ++i) {
        dates.Cells[i + 1] = DateLabel(table.Kind, i > 0, t, table.Patterns);
        table.LabelRows.emplace(dates.Cells[i + 1], i + 1);
    }
    table.Columns.push_back(std::move(dates));
}

void AddColumn(ReportTable& table, const S_colO& column) {
    AddColumnId(table.Ids, column.Id);
    TableColumn c = NewColumn(table, column.Title, column);
    std::fill(c.Cells.begin() + 1, c.Cells.end() - 1, " - ");
    table.Columns.push_back(std::move(c));
}

void AddNumberingColumn(ReportTable& table, ReportRecords& records) {
    if (table.Ids.NumberingShown || table.Columns.empty())
        return;
    LoadColumnOptions(records, kNumberingColumnId);
    TableColumn c = NewColumn(table, "№", records.ColO);
    for (int row = 1; row <= table.Periods; ++row)
        c.Cells[row] = std::to_string(row);
    table.Columns.insert(table.Columns.begin(), std::move(c));
    table.Ids.Ids[0] = kNumberingColumnId;
    table.Ids.NumberingShown = true;
}

void RemoveNumberingColumn(ReportTable& table) {
    if (!table.Ids.NumberingShown)
        return;
    table.Columns.erase(table.Columns.begin());
    table.Ids.Ids[0] = 0;
    table.Ids.NumberingShown = false;
}
