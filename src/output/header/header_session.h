// The special header through the life of an open report: set up after a table build, the
// numbering column switched on and off, saved when the report is left, column widths shared
// with the table.
#pragma once

#include "output/header/header_model.h"
#include "output/table/report_table.h"
#include "reports/report_records.h"

// After a table build: the default header of the table (the numbering column, when the table
// shows it, in its ExtraCol style); with the special header option on, the stored header
// replaces it when it fits the table.
void SetUpHeader(SpecialHeader& header, const ReportTable& table, const ReportRecords& records);

// The table has just gained its numbering column (grid column 0): the header gets it too, its
// cell in the ExtraCol style of the module report file.
void ShowNumberingColumn(SpecialHeader& header, const ReportTable& table,
                         const ReportRecords& records);
// The numbering column goes: while the special header is on, a report is loaded and the cell
// list is not empty, its header cell's style is first written to ExtraCol. False when that
// write failed (the column is taken out all the same).
bool HideNumberingColumn(SpecialHeader& header, const ReportRecords& records);

// Leaving a report (selection change, window closing): with the numbering column and the
// special header both on, the numbering column is taken out as HideNumberingColumn does; then
// the header is saved. False when a write failed.
bool SaveHeaderOnLeaving(SpecialHeader& header, const ReportRecords& records);

// A header grid column (from 1) was resized: the table column gridColumn − 1 takes the width,
// which is stored as that column's ColWidth. False when storing failed or there is no such
// column.
bool HeaderColumnResized(SpecialHeader& header, ReportTable& table, ReportRecords& records,
                         int gridColumn, int width);
