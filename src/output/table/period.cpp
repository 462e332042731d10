// Cutting times to report periods and counting whole periods exactly.
#include "output/table/period.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Milliseconds since 30.12.1899 of the decoded calendar fields.
int64_t Milliseconds(TDateTime t) {
    const DateParts d = DecodeDate(t);
    const TimeParts c = DecodeTime(t);
    const auto day = static_cast<int64_t>(std::llround(EncodeDate(d.year, d.month, d.day)));
    return day * 86'400'000 + ((c.hour * 60LL + c.minute) * 60 + c.second) * 1000 + c.msec;
}

int Clamped(int64_t count) {
    return static_cast<int>(std::min<int64_t>(count, std::numeric_limits<int>::max()));
}

int WholeMonths(TDateTime from, TDateTime to) {
    const DateParts a = DecodeDate(from);
    const DateParts b = DecodeDate(to);
    int64_t months = (b.year * 12LL + b.month) - (a.year * 12LL + a.month);
    // The last month is whole only when the end lies at or after the start's day and time.
    const int64_t startInMonth = Milliseconds(from) - Milliseconds(StartOfTheMonth(from));
    const int64_t endInMonth = Milliseconds(to) - Milliseconds(StartOfTheMonth(to));
    if (months > 0 && endInMonth < startInMonth)
        --months;
    return Clamped(months);
}

}  // namespace

TDateTime PeriodStart(int kind, int day, TDateTime t) {
    const DateParts d = DecodeDate(t);
    switch (kind) {
        case 0:
            return StartOfTheHour(t);
        case 1:
            return StartOfTheDay(t);
        case 2:
            return EncodeDate(d.year, d.month, day);
        default:
            return t;
    }
}

int PeriodCount(int kind, TDateTime start, TDateTime end) {
    if (end < start)
        std::swap(start, end);
    const int64_t span = Milliseconds(end) - Milliseconds(start);
    switch (kind) {
        case 0:
            return Clamped(span / 3'600'000);
        case 1:
            return Clamped(span / 86'400'000);
        case 2:
            return WholeMonths(start, end);
        default:
            return 0;
    }
}
