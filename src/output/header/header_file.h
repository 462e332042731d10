// The stored special header: its INI file beside the module report file, and the numbering
// column's header style kept in the module report file.
#pragma once

#include <string>

#include "output/header/header_model.h"
#include "reports/report_records.h"

// <directory of the module report file>/THead/<its base name>TabHead.ini
std::string HeaderFilePath(const std::string& moduleReportPath);

// Loads the stored header when the file exists, its RowCount is 1 … kMaxHeaderRows and its
// ColCount equals the header's column count, or that count less one while the numbering
// column is shown: a file stored without the numbering column then gets it added as when the
// column is switched on (with extraCol), so every position has a cell. Missing cell sections
// read as empty plain cells, impossible spans are cut to fit (NormaliseSpans). True when
// loaded; otherwise the header is left as it was.
bool LoadHeader(SpecialHeader& header, const std::string& path, const ExtraColStyle& extraCol);

// Writes the header to HeaderFilePath of the module report file, only when the special header
// is on, a report is loaded and the cell list is not empty; the THead directory is created and
// the whole file is replaced atomically. False only when writing was due and failed.
bool SaveHeader(const SpecialHeader& header, const ReportRecords& records);

// ExtraCol/fstyle and ExtraCol/align of the module report file (0 when absent).
ExtraColStyle ReadExtraColStyle(const std::string& moduleReportPath);
// False when the module report file is missing or could not be written.
bool WriteExtraColStyle(const std::string& moduleReportPath, const ExtraColStyle& style);
