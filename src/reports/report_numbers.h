// Report numbers: descriptor file names, the next free number and library numbering.
#pragma once

#include <optional>
#include <string>

// Numbers from here upwards belong to reports installed from the library.
inline constexpr int kFirstLibraryReportNumber = 99999900;
// A library report numbered N is installed as kLibraryNumberBase - N (its own inverse).
inline constexpr int kLibraryNumberBase = 100000000;

// "%8.8d": eight decimal digits with leading zeros.
std::string ReportBaseName(int number);
// ReportBaseName + ".ini".
std::string ReportFileName(int number);
// The number a file base name reads as: decimal digits only, at most 99999999; nullopt else.
std::optional<int> ReportNumberOf(const std::string& baseName);
// kLibraryNumberBase - number.
int LibraryReportNumber(int number);
