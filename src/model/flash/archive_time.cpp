// Date-times of archive files: BCD fields, normalising and stepping of record times.
#include "model/flash/archive_time.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace {
// Two BCD digits; -1 when a nibble is not a decimal digit.
int FromBcd(uint8_t b) {
    int hi = b >> 4, lo = b & 0x0F;
    if (hi > 9 || lo > 9)
        return -1;
    return hi * 10 + lo;
}

uint8_t ToBcd(int v) {
    return static_cast<uint8_t>(((v / 10) << 4) | (v % 10));
}

// 1.1.0001 and 1.1.10000 as date-times.
constexpr double kFirstCalendarDay = -693593.0;
constexpr double kPastLastCalendarDay = 2958466.0;
constexpr double kMsPerDay = 86400000.0;
}  // namespace

TDateTime DecodeBcdDateTime(const RawTime& raw) {
    int day = FromBcd(raw[1]), month = FromBcd(raw[2]), year = FromBcd(raw[3]);
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0)
        return 0;
    TDateTime date = 0;
    if (!TryEncodeDate(2000 + year, month, day, date))
        return 0;
    int second = FromBcd(raw[5]), minute = FromBcd(raw[6]), hour = FromBcd(raw[7]);
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60)
        return date;
    return date + EncodeTime(hour, minute, second, 0);
}

RawTime EncodeBcdDateTime(TDateTime t) {
    DateParts d = DecodeDate(t);
    TimeParts tm = DecodeTime(t);
    return RawTime{0, ToBcd(d.day),     ToBcd(d.month),   ToBcd(d.year - 2000),
                   0, ToBcd(tm.second), ToBcd(tm.minute), ToBcd(tm.hour)};
}

TDateTime DecodeArchiveTime(const RawTime& raw, bool bcd) {
    if (bcd)
        return DecodeBcdDateTime(raw);
    return std::bit_cast<double>(raw);
}

RawTime EncodeArchiveTime(TDateTime t, bool bcd) {
    if (bcd)
        return EncodeBcdDateTime(t);
    return std::bit_cast<RawTime>(t);
}

bool IsCalendarDateTime(TDateTime t) {
    return std::isfinite(t) && t >= kFirstCalendarDay && t < kPastLastCalendarDay;
}

TDateTime NormaliseTime(int kind, TDateTime t) {
    if (!IsCalendarDateTime(t))
        return t;
    double date = std::floor(t);
    if (kind == 1 || kind == 2)
        return date;
    // The time of day to the millisecond, as the calendar helpers take it apart.
    long long ms = std::llround((t - date) * kMsPerDay);
    int hour = static_cast<int>(ms / 3600000);
    int minute = static_cast<int>(ms / 60000 % 60);
    int second = static_cast<int>(ms / 1000 % 60);
    if (minute == 59 && second == 59) {
        ++hour;
        minute = 0;
    }
    if (hour >= 24) {
        date += 1;
        hour -= 24;
    }
    if (kind != 3 && kind != 4)
        minute = 0;
    return date + EncodeTime(hour, minute, 0, 0);
}

std::string FormatArchiveTime(const std::string& pattern, TDateTime t) {
    return IsCalendarDateTime(t) ? FormatDateTime(pattern, t) : std::string();
}

TDateTime StepTime(int kind, TDateTime t, bool back, float step) {
    if (kind == 2) {
        if (!IsCalendarDateTime(t))
            return t;
        return StartOfTheMonth(IncMonth(t, back ? -1 : 1));
    }
    return back ? t - step : t + step;
}
