// The special header of the open report: set up, numbering column, leaving, column widths.
#include "output/header/header_session.h"

#include "output/header/header_file.h"
#include "reports/column_ids.h"
#include "reports/report_columns.h"

void SetUpHeader(SpecialHeader& header, const ReportTable& table, const ReportRecords& records) {
    const ExtraColStyle extraCol = ReadExtraColStyle(records.RepI.ModuleReportPath);
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, extraCol);
    if (records.RepI.SpecialHeader)
        LoadHeader(header, HeaderFilePath(records.RepI.ModuleReportPath), extraCol);
}

void ShowNumberingColumn(SpecialHeader& header, const ReportTable& table,
                         const ReportRecords& records) {
    if (!table.Ids.NumberingShown || table.Columns.empty())
        return;
    ShowNumberingCells(header, table.Columns[0].Width,
                       ReadExtraColStyle(records.RepI.ModuleReportPath));
}

bool HideNumberingColumn(SpecialHeader& header, const ReportRecords& records) {
    const bool keepStyle = records.RepI.SpecialHeader && records.Loaded && !header.Cells.empty() &&
                           header.NumberingShown;
    const ExtraColStyle style = HideNumberingCells(header);
    return !keepStyle || WriteExtraColStyle(records.RepI.ModuleReportPath, style);
}

bool SaveHeaderOnLeaving(SpecialHeader& header, const ReportRecords& records) {
    bool written = true;
    if (records.Loaded && records.RepI.SpecialHeader && header.NumberingShown &&
        !header.Cells.empty())
        written = HideNumberingColumn(header, records);
    return SaveHeader(header, records) && written;
}

bool HeaderColumnResized(SpecialHeader& header, ReportTable& table, ReportRecords& records,
                         int gridColumn, int width) {
    if (gridColumn < 1 || gridColumn >= header.GridColCount ||
        gridColumn - 1 >= int(table.Columns.size()) || width < 0)
        return false;
    header.GridColWidths[size_t(gridColumn)] = width;
    table.Columns[size_t(gridColumn - 1)].Width = width;
    LoadColumnOptions(records, ColumnIdOfGridColumn(table.Ids, gridColumn - 1));
    records.ColO.Width = width;
    return SaveColumnOptions(records);
}
