// velorm-cli report --pdf: the blank of a built report written as the view window writes it.
#pragma once

#include <string>

#include "output/table/report_table.h"
#include "reports/report_records.h"

// Takes the module's serial number and type from its task queue, sets up the header as the
// view window does after a table build (the stored special header when the report asks for
// it, the numbering column in its stored style), prepares the blank and writes it to path
// atomically. Returns the exit code: 0 written, 1 failed (the reason on standard error).
int WriteReportPdf(const ReportTable& table, ReportRecords records, const std::string& path);
