// A report table and report records made in code, as a table build leaves them, for the
// header, print and PDF tests and the benchmark.
#pragma once

#include <string>
#include <vector>

#include "output/engine/prepared_report.h"
#include "output/table/report_table.h"
#include "reports/report_records.h"

// Columns "Дата" (110 wide) and "Пар. 1" … (52 wide) with made-up values: periods hourly
// data rows from 01.11.15 00:00 and a summary row "Итого".
ReportTable SampleReportTable(int periods, int dataColumns);

// Records of a loaded report: title, two header lines, a signature line, module type and
// serial 00A1 printed, page numbers centred, Arial 10, portrait. moduleReportPath may be "".
ReportRecords SampleRecords(const std::string& moduleReportPath = "");

// The blank of SampleReportTable(periods, dataColumns) with SampleRecords() and the table's
// default header, prepared by the print bridge.
PreparedReport PrepareSampleBlank(int periods, int dataColumns);

// The text items of the page whose text is exactly text.
std::vector<const TextItem*> ItemsWithText(const PreparedPage& page, const std::string& text);
