// TDateTime arithmetic on the proleptic Gregorian calendar, and FormatDateTime.
#include "platform/date_time.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days since 1970-01-01 of a civil date (H. Hinnant's algorithm).
constexpr int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yoe + era * 400 + (month <= 2)), month, day};
}

constexpr int64_t kEpochDays = DaysFromCivil(1899, 12, 30);
constexpr int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kEpochDays;
constexpr int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kEpochDays;

// A TDateTime as its day number and its millisecond of the day, rounded to the millisecond.
struct Split {
    int64_t day = 0;
    int64_t ms = 0;
    bool valid = false;
};

Split SplitDateTime(TDateTime dt) {
    if (!std::isfinite(dt))
        return {};
    const double whole = std::trunc(dt);
    if (whole < double(kFirstDay) || whole > double(kLastDay))
        return {};
    Split s{int64_t(whole), std::llround(std::fabs(dt - whole) * double(kMsPerDay)), true};
    if (s.ms >= kMsPerDay) {
        s.ms -= kMsPerDay;
        ++s.day;
    }
    return s;
}

// The day's integer part and the time in the fraction, the fraction taken away before the epoch.
TDateTime Compose(int64_t day, int64_t ms) {
    const double time = double(ms) / double(kMsPerDay);
    return day < 0 ? double(day) - time : double(day) + time;
}

void AppendNumber(std::string& out, long long value, int width) {
    std::string digits = std::to_string(value);
    if (int(digits.size()) < width)
        out.append(size_t(width) - digits.size(), '0');
    out += digits;
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
        return false;
    out = double(DaysFromCivil(year, month, day) - kEpochDays);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || msec > 999)
        return false;
    out = double(((hour * 60LL + minute) * 60 + second) * 1000 + msec) / double(kMsPerDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime dt = 0;
    return TryEncodeDate(year, month, day, dt) ? dt : 0;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime t = 0;
    return TryEncodeTime(hour, minute, second, msec, t) ? t : 0;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, msec, time))
        return 0;
    return date < 0 ? date - time : date + time;
}

DateParts DecodeDate(TDateTime dt) {
    const Split s = SplitDateTime(dt);
    return s.valid ? CivilFromDays(s.day + kEpochDays) : DateParts{};
}

TimeParts DecodeTime(TDateTime dt) {
    const Split s = SplitDateTime(dt);
    return {int(s.ms / 3600000), int(s.ms / 60000 % 60), int(s.ms / 1000 % 60), int(s.ms % 1000)};
}

int DayOfYear(TDateTime dt) {
    const Split s = SplitDateTime(dt);
    if (!s.valid)
        return 0;
    const DateParts d = CivilFromDays(s.day + kEpochDays);
    return int(s.day + kEpochDays - DaysFromCivil(d.year, 1, 1)) + 1;
}

int DayOfWeek(TDateTime dt) {
    const Split s = SplitDateTime(dt);
    if (!s.valid)
        return 0;
    // Day 0, 30.12.1899, was a Saturday.
    return int(((s.day % 7 + 7) % 7 + 6) % 7) + 1;
}

TDateTime IncMonth(TDateTime dt, int months) {
    const Split s = SplitDateTime(dt);
    if (!s.valid)
        return dt;
    const DateParts d = CivilFromDays(s.day + kEpochDays);
    const int64_t total = int64_t(d.year) * 12 + (d.month - 1) + months;
    const int64_t year = total >= 0 ? total / 12 : (total - 11) / 12;
    const int month = int(total - year * 12) + 1;
    if (year < 1 || year > 9999)
        return dt;
    const int day = std::min(d.day, DaysInMonth(int(year), month));
    return Compose(DaysFromCivil(year, month, day) - kEpochDays, s.ms);
}

TDateTime StartOfTheHour(TDateTime dt) {
    const Split s = SplitDateTime(dt);
    return Compose(s.day, s.ms - s.ms % 3600000);
}

TDateTime StartOfTheDay(TDateTime dt) {
    return Compose(SplitDateTime(dt).day, 0);
}

TDateTime StartOfTheMonth(TDateTime dt) {
    const DateParts d = DecodeDate(dt);
    return EncodeDate(d.year, d.month, 1);
}

TDateTime StartOfTheYear(TDateTime dt) {
    return EncodeDate(DecodeDate(dt).year, 1, 1);
}

TDateTime LocalDateTimeFromUnix(long long seconds, int msec) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return 0;
    // A leap second shows as the last second of its minute.
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, std::min(local.tm_sec, 59), msec);
}

TDateTime Now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return LocalDateTimeFromUnix(ts.tv_sec, int(ts.tv_nsec / 1000000));
}

std::string FormatDateTime(const std::string& pattern, TDateTime dt, const FormatSettings& fs) {
    const DateParts date = DecodeDate(dt);
    const TimeParts time = DecodeTime(dt);
    std::string out;
    char lastLetter = 0;  // the previous letter outside quotes, in upper case
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            size_t close = pattern.find(c, i + 1);
            if (close == std::string::npos)
                close = pattern.size();
            out.append(pattern, i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (c == '/' || c == ':') {
            out += c == '/' ? fs.DateSeparator : fs.TimeSeparator;
            ++i;
            continue;
        }
        char letter = UpperAscii(c);
        if (letter < 'A' || letter > 'Z') {
            out += c;
            ++i;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && UpperAscii(pattern[i + run]) == letter)
            ++run;
        if (letter == 'M' && lastLetter == 'H')
            letter = 'N';
        lastLetter = letter;
        // Number tokens take at most two letters of a run; "yyy…", "zz…" and other letters
        // take the whole run.
        size_t used = std::min<size_t>(run, 2);
        switch (letter) {
            case 'D':
                AppendNumber(out, date.day, int(used));
                break;
            case 'M':
                AppendNumber(out, date.month, int(used));
                break;
            case 'H':
                AppendNumber(out, time.hour, int(used));
                break;
            case 'N':
                AppendNumber(out, time.minute, int(used));
                break;
            case 'S':
                AppendNumber(out, time.second, int(used));
                break;
            case 'Y':
                used = run;
                AppendNumber(out, run <= 2 ? date.year % 100 : date.year, run <= 2 ? 2 : 4);
                break;
            case 'Z':
                used = run;
                AppendNumber(out, time.msec, run == 1 ? 1 : 3);
                break;
            default:
                used = run;
                out.append(pattern, i, run);
                break;
        }
        i += used;
    }
    return out;
}
