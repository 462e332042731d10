// Changing the appearance of the report from the data page: the option triples of the report
// parts and the width, alignment and style of one table column, stored at once.
#pragma once

#include <optional>
#include <string>

#include "output/header/header_model.h"
#include "output/table/report_table.h"
#include "reports/report_records.h"

// The groups of alignment and style buttons, named after the option they set.
enum OptionGroup { ogTitle, ogHeader, ogFooter, ogTabHead, ogSummary, ogColumn };

// The triple a group sets: one of records.RepO's, or records.ColO's for ogColumn.
OptionTriple& GroupTriple(ReportRecords& records, OptionGroup group);

// Loads the stored width and options of the table column at gridColumn into records.ColO;
// false when the table has no such column.
bool SelectTableColumn(ReportRecords& records, const ReportTable& table, int gridColumn);

// Gives the column at gridColumn the width (in the table, the special header's editing grid
// and records.ColO), or the options (in the table and records.ColO), and stores them in the
// module report file. False when there is no such column or the file could not be written.
bool SetTableColumnWidth(ReportRecords& records, ReportTable& table, SpecialHeader& header,
                         int gridColumn, int width);
bool SetTableColumnOptions(ReportRecords& records, ReportTable& table, int gridColumn,
                           const OptionTriple& options);

// Column widths the data page accepts, in grid pixels.
inline constexpr int kMinColumnWidth = 1;
inline constexpr int kMaxColumnWidth = 2000;
// A whole number from text (blanks around it allowed); nullopt for anything else.
std::optional<int> ParseWholeNumber(const std::string& text);
