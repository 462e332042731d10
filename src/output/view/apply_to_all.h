// Copying the appearance of the current report to every module that uses the same report form.
#pragma once

#include <string>
#include <vector>

#include "reports/column_ids.h"
#include "reports/report_records.h"

// Writes the report options of records (SaveReportSettingsTo) into every *.ini file under
// modulesDir with the same file name as the current module report file, the current file
// excepted, and copies the width and options of each column in ids from the current file
// into those files. Returns the files written; files that could not be written are left out.
std::vector<std::string> ApplyOptionsToAllModules(const ReportRecords& records,
                                                  const ColumnIdList& ids,
                                                  const std::string& modulesDir);
