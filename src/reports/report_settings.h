// Loading a report's texts and appearance from its descriptor and module report file, and
// writing the appearance back.
#pragma once

#include <string>

#include "reports/report_records.h"

class IniFile;

// Fills records.RepO and the date format, numbering column, special header and save options
// of records.RepI. The descriptor owns the content (summary caption, column count, date
// settings); the module file owns the appearance; title, header and footer come from the
// module file when it has them, else from the descriptor. Uses RepI.ArchiveKind.
void LoadReportSettings(const IniFile& descriptor, const IniFile& module, ReportRecords& records);

// dateFormat := Report/DateFormat ("DD.MM.YY HH:NN"); dateTitle := Report/DateTitleH, D or M by
// archiveKind ("Дата, Время", "Дата", "Дата"), left unchanged for any other kind.
void ReadDateSettings(const IniFile& descriptor, int archiveKind, std::string& dateFormat,
                      std::string& dateTitle);

// Nothing unless records.Loaded. Writes Report/SaveOpt into the module report file, and the
// other appearance options only when SaveOptions is set, so clearing it keeps what is stored.
// False when the file could not be written.
bool SaveReportSettingsTo(const ReportRecords& records, const std::string& path);
// The same into the current module report file (RepI.ModuleReportPath).
bool SaveReportSettings(const ReportRecords& records);
