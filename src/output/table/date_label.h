// Date labels of the report rows, made from the report's date format.
#pragma once

#include <string>

#include "platform/date_time.h"

// The three patterns a date format splits into.
struct DateLabelPatterns {
    std::string Time;   // time of an hourly row
    std::string Day;    // date of an hourly or daily row
    std::string Month;  // month of a monthly row
    // 0: the period's start; 1: its end; 2: start, "-", end.
    int TimeKind = 0;
};

// Splits the upper-cased format: each part drops its tokens together with the separator that
// follows them; the time part decides whether the start, the end or both are shown; the
// separator after HH, DD and MM is replaced by the system time or date separator.
DateLabelPatterns SplitDateFormat(const std::string& dateFormat);

// The label of the period of t for the archive kind; with advance, t first moves on by one
// period (an hour, a day or a calendar month from the period's start).
std::string DateLabel(int kind, bool advance, TDateTime& t, const DateLabelPatterns& patterns);
std::string DateLabel(int kind, bool advance, TDateTime& t, const std::string& dateFormat);
