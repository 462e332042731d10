// Date-times of archive files: BCD fields, and the normalising and stepping of record times.
#pragma once

#include <string>

#include "model/flash/archive_layout.h"
#include "platform/date_time.h"

// BCD fields (byte 1 day, 2 month, 3 year - 2000, 5 second, 6 minute, 7 hour). A month
// outside 1-12, a day that the month lacks or a byte that is not two decimal digits gives
// 0; the time of day is added only when hour, minute and second are all in range.
TDateTime DecodeBcdDateTime(const RawTime& raw);
// The inverse for years 2000-2099 (used by the writers of archive files).
RawTime EncodeBcdDateTime(TDateTime t);
// A stored time field: BCD when bcd is set, else the double it holds.
TDateTime DecodeArchiveTime(const RawTime& raw, bool bcd);
RawTime EncodeArchiveTime(TDateTime t, bool bcd);

// True for date-times the calendar helpers can take apart (years 1 to 9999).
bool IsCalendarDateTime(TDateTime t);

// Kinds 1 and 2: the date of t. Other kinds: whole hours (kind 0) or whole minutes (kinds 3
// and 4), where a time of xx:59:59 first moves to the next whole hour. Seconds are dropped.
// A time outside the calendar is given back unchanged.
TDateTime NormaliseTime(int kind, TDateTime t);
// FormatDateTime for times inside the calendar; "" for others (a forged time field).
std::string FormatArchiveTime(const std::string& pattern, TDateTime t);

// Kind 2: day 1 of the previous (back) or next month; other kinds t - step or t + step.
TDateTime StepTime(int kind, TDateTime t, bool back, float step);
