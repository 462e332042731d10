// Laying out the report table: the date rows, the data columns and the numbering column.
#pragma once

#include "output/table/report_table.h"
#include "platform/date_time.h"
#include "reports/report_records.h"

// n := PeriodCount(start, end) data rows with the date labels start, start + 1 period, …, the
// title row and the summary row, and the date column alone with its stored width and
// options (records.ColO is left holding them). Kind and date format come from records.RepI,
// titles from records.RepO. n is at most kMaxPeriods (callers refuse longer periods first).
void SetUpRows(ReportTable& table, ReportRecords& records, TDateTime start, TDateTime end);

// Appends the column of records.ColO: its identifier, title, width and options; its data rows
// show " - " and its summary cell is empty.
void AddColumn(ReportTable& table, const S_colO& column);

// Inserts the "№" column before the date column with 1 … n in the data rows and the stored
// width and options of identifier 10000; nothing when it is shown already.
void AddNumberingColumn(ReportTable& table, ReportRecords& records);
// Takes the "№" column out; nothing when it is not shown.
void RemoveNumberingColumn(ReportTable& table);
