// Option triples of the report parts and the stored width and options of table columns.
#include "output/view/column_options.h"

#include <charconv>

#include "platform/files.h"
#include "reports/report_columns.h"

OptionTriple& GroupTriple(ReportRecords& records, OptionGroup group) {
    S_repO& o = records.RepO;
    switch (group) {
        case ogTitle:
            return o.TitleOpt;
        case ogHeader:
            return o.HeaderOpt;
        case ogFooter:
            return o.FooterOpt;
        case ogTabHead:
            return o.TabHeadOpt;
        case ogSummary:
            return o.SummaryOpt;
        default:
            return records.ColO.Options;
    }
}

bool SelectTableColumn(ReportRecords& records, const ReportTable& table, int gridColumn) {
    const int id = ColumnIdOfGridColumn(table.Ids, gridColumn);
    if (id < 0 || gridColumn >= static_cast<int>(table.Columns.size()))
        return false;
    LoadColumnOptions(records, id);
    return true;
}

bool SetTableColumnWidth(ReportRecords& records, ReportTable& table, SpecialHeader& header,
                         int gridColumn, int width) {
    if (!SelectTableColumn(records, table, gridColumn))
        return false;
    records.ColO.Width = width;
    table.Columns[gridColumn].Width = width;
    if (static_cast<size_t>(gridColumn) + 1 < header.GridColWidths.size())
        header.GridColWidths[gridColumn + 1] = width;
    return SaveColumnOptions(records);
}

bool SetTableColumnOptions(ReportRecords& records, ReportTable& table, int gridColumn,
                           const OptionTriple& options) {
    if (!SelectTableColumn(records, table, gridColumn))
        return false;
    records.ColO.Options = options;
    table.Columns[gridColumn].Options = options;
    return SaveColumnOptions(records);
}

std::optional<int> ParseWholeNumber(const std::string& text) {
    const std::string t = Trim(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}
