// Loading one report column from the descriptor and the module report file, and its options.
#pragma once

#include "reports/report_records.h"

class IniFile;

// Fills records.ColO from section Column<index> of the descriptor and section Id_<ID> of the
// module file (archive parameter and depth by RepI.ArchiveKind). True when the column is
// usable: the module file has the section, the parameter is set and the depth is between 1
// and 65535 (archive depths are 16-bit); only then are width and options read as well.
bool LoadColumn(const IniFile& descriptor, const IniFile& module, int index,
                ReportRecords& records);

// Sets ColO.Id and reads its width and options from the current module report file.
void LoadColumnOptions(ReportRecords& records, int id);
// Writes ColWidth and the options of ColO into the current module report file; false when
// the file could not be written.
bool SaveColumnOptions(const ReportRecords& records);
