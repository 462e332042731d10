// Section and key names of report descriptors, module report files and module link files.
#pragma once

#include <string>

// Report descriptor and module report file.
inline constexpr const char* kSecReport = "Report";
inline constexpr const char* kSecHeader = "Header";
inline constexpr const char* kSecFooter = "Footer";
inline constexpr const char* kKeyName = "Name";
inline constexpr const char* kKeyTitle = "Title";
inline constexpr const char* kKeySummary = "Summary";
inline constexpr const char* kKeyDateFormat = "DateFormat";
inline constexpr const char* kKeyColumns = "Columns";
inline constexpr const char* kKeyId = "ID";
inline constexpr const char* kKeyFormat = "Format";

// Summary kinds of a column.
inline constexpr const char* kSummaryNone = "csNone";
inline constexpr const char* kSummarySum = "csSum";
inline constexpr const char* kSummaryAverage = "csAverage";

// Module report file: archive kinds set up, and the per-column assignment.
inline constexpr const char* kKeyTypeH = "TypeH";
inline constexpr const char* kKeyTypeD = "TypeD";
inline constexpr const char* kKeyTypeM = "TypeM";
inline constexpr const char* kKeyArchive = "Archive";    // + "H", "D" or "M"
inline constexpr const char* kKeyMaxIndex = "MaxIndex";  // + "H", "D" or "M"
inline constexpr const char* kKeyColWidth = "ColWidth";

// Column identifiers of the date column and of the numbering column.
inline constexpr int kDateColumnId = 15000;
inline constexpr int kNumberingColumnId = 10000;

// Module link file, section Common.
inline constexpr const char* kSecCommon = "Common";
inline constexpr const char* kKeyVS = "VS";
inline constexpr const char* kKeyZn = "Zn";
inline constexpr const char* kKeySetn = "Setn";
inline constexpr const char* kKeyWayFlash = "WayFlash";
inline constexpr const char* kKeyRealId = "realId";
// Data sources under VS.
inline constexpr int kSourceLink = 0;
inline constexpr int kSourceFlash = 1;

// "Column0", "Column1", ... of a descriptor.
std::string ColumnSection(int index);
// "Id_<id>" of a module report file.
std::string ColumnIdSection(int id);
