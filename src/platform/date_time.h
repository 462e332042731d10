// TDateTime: days since 30.12.1899 00:00 as a double, the time of day being the fraction.
#pragma once

#include <string>

#include "platform/format_settings.h"

using TDateTime = double;

struct DateParts {
    int year = 0, month = 0, day = 0;
};
struct TimeParts {
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// False (and nothing written) for an invalid date or time.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out);
// 0 for an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int msec = 0);
// A value before 30.12.1899 keeps the day in its integer part and the time of day in the
// absolute value of its fraction (-1.25 is 29.12.1899 06:00). Decoding rounds to the
// millisecond first, so 23:59:59.9996 is the next day's 00:00:00.000. Values outside the
// years 1..9999 (and NaN) decode as zeros, give 0 from DayOfYear and DayOfWeek and 0 from
// the StartOf... routines.
DateParts DecodeDate(TDateTime dt);
TimeParts DecodeTime(TDateTime dt);
int DayOfYear(TDateTime dt);  // 1..366
int DayOfWeek(TDateTime dt);  // 1 = Sunday .. 7 = Saturday
// Same day of month months later (clamped to the month's last day), same time of day;
// negative goes back. dt comes back unchanged when the result would leave the years 1..9999.
TDateTime IncMonth(TDateTime dt, int months);
TDateTime StartOfTheHour(TDateTime dt);
TDateTime StartOfTheDay(TDateTime dt);
TDateTime StartOfTheMonth(TDateTime dt);
TDateTime StartOfTheYear(TDateTime dt);
TDateTime Now();  // local wall-clock time
// Local wall-clock time of the moment seconds (since 1970-01-01 UTC) plus msec.
TDateTime LocalDateTimeFromUnix(long long seconds, int msec = 0);

// Formats with the patterns: d dd m mm yy yyyy h hh n nn s ss z zzz; "m"/"mm" right after
// an hour token (separators between them allowed, as in "hh:mm") mean minutes; text in
// '...' or "..." is copied literally; "/" becomes the date separator and ":" the time
// separator of the settings. Letters are matched without regard to case. Other characters
// are copied.
std::string FormatDateTime(const std::string& pattern, TDateTime dt,
                           const FormatSettings& fs = CurrentFormatSettings());
