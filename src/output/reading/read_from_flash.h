// Reading the current report from the module's flash-disk directory.
#pragma once

#include "output/reading/reading_result.h"
#include "output/table/build_table.h"

// Code 7 when end ≤ start, 2 without a task queue in the module directory, 8 when the
// Common/WayFlash directory of the module link file does not exist, 10 (with the period the
// files do cover, when known) when no archive file of the report's kind covers the period;
// otherwise the table build's code.
ReadingResult ReadFromFlash(ReportTable& table, ReportRecords& records, TDateTime start,
                            TDateTime end, const TableProgress& progress);
