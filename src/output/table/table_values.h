// Values in the report table: finding a record's row, writing a value, column totals.
#pragma once

#include <string>
#include <utility>

#include "output/table/report_table.h"
#include "platform/date_time.h"

// The first data row whose date label equals the label of t's period; kRowNotFound when none.
int RowForTime(const ReportTable& table, TDateTime t);

// Writes value into the cell: NaN shows " - ", a value above 3e30 " ***", any other value the
// column format with the current decimal separator. True only when the cell now shows a
// different number than before. A row outside 1 … n is left alone (false).
bool PutValue(ReportTable& table, int column, int row, double value, const std::string& format);

// Sum and count of the data cells that read as numbers with the current decimal separator;
// count is 1 when both are 0.
std::pair<double, int> ColumnTotal(const ReportTable& table, int column);

// The summary cell of the column by its summary kind: "csSum" the sum, "csAverage" the sum
// divided by the count (both through the format), "csNone" " - ", anything else "".
void PutSummary(ReportTable& table, int column, const std::string& summaryKind,
                const std::string& format);
