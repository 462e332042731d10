// Building the report table of the current report from flash-disk archive files or over the
// controller link.
#pragma once

#include <string>
#include <vector>

#include "output/table/build_progress.h"
#include "output/table/report_table.h"
#include "platform/date_time.h"
#include "reports/report_records.h"

// Where the values come from: the archive files when ArchiveFiles is set, else the link with
// what the reading flow has just read from the controller.
struct TableSource {
    const std::vector<std::string>* ArchiveFiles = nullptr;
    int NetworkNumber = 0;
    int ParamF023 = 0;           // report hour of the controller
    int ParamF022 = 0;           // report day of the controller
    double ClockDifference = 0;  // computer clock − controller clock
};

struct TableBuildResult {
    int Code = 0;        // 0, 10 or 11 (ReportResult)
    std::string Detail;  // UTF-8: what the link or an unreadable file said, when anything
};

// Loads the settings of records.RepI's descriptor and module report file (the report counts
// as loaded), cuts the period to whole periods (months from the 1st to the 5th) and fills
// the table: one column per usable report column with its values and summary cell, then the
// numbering column when the report asks for it. Code 11 (table left as it was) for 3000
// periods or more; code 10 when the link gives no records for a column or an archive file
// is shorter than it announces (table cleared, report not loaded).
TableBuildResult BuildReportTable(ReportTable& table, ReportRecords& records,
                                  const TableSource& source, TDateTime start, TDateTime end,
                                  const TableProgress& progress);
