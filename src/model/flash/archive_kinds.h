// The five kinds of flash-disk archive files: extensions, spans and period text formats.
#pragma once

#include <string>

inline constexpr int kArchiveKindCount = 5;

struct ArchiveKindInfo {
    const char* Extension;     // upper case, with the dot
    double SpanDays;           // archive span before the file time (kind 2: see ArchiveStart)
    const char* PeriodFormat;  // FormatDateTime pattern of period texts; "" when none
};

// Kinds 0..4: hourly .HNS, daily .SNS, monthly .MNS, interval .INS, half-hourly .PNS.
const ArchiveKindInfo& ArchiveKindAt(int kind);
bool IsArchiveKind(int kind);
// First kind (in table order) whose extension occurs anywhere in the upper-cased name; -1.
int ArchiveKindInName(const std::string& fileName);
// Kind whose extension equals the upper-cased extension of the name; -1.
int ArchiveKindOfExtension(const std::string& fileName);
