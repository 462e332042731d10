// Ring arithmetic of the controllers' archives: period to positions.
#include "comm/device/archive_ring.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kHalfMinute = 30.0 / 86400;
constexpr double kHour = 1.0 / 24;

int WholeDays(TDateTime t) {
    return static_cast<int>(std::floor(t + 1e-9));
}

ArchiveSpan NoData() {
    ArchiveSpan span;
    span.code = 25;
    return span;
}

ArchiveSpan Hourly(int depth, TDateTime clock, TDateTime start, TDateTime end) {
    if (depth < 24 || depth % 24 != 0)
        return NoData();
    const int days = depth / 24;
    const int base = WholeDays(EncodeDate(2000, 1, 1));
    const auto p = [&](TDateTime t) {
        const int d = ((WholeDays(t) - base) % 65536 + 65536) % 65536;
        return (d % days) * 24 + DecodeTime(t).hour;
    };
    const TDateTime oldest = StartOfTheHour(clock - depth / 24.0);
    const TDateTime last = StartOfTheHour(end - kHour + 1e-9);
    start = StartOfTheHour(std::max(start, oldest) + 1e-9);
    if (last < start - kHalfMinute)
        return NoData();
    return {0, p(start), p(last), depth, start};
}

ArchiveSpan Daily(TDateTime clock, TDateTime start, TDateTime end, int reportHour) {
    const int h = reportHour > 23 || reportHour < 0 ? 0 : reportHour;
    const DateParts c = DecodeDate(clock);
    if (WholeDays(end) == WholeDays(clock)) {
        end -= DecodeTime(clock).hour < h ? 2 : 1;
        if (WholeDays(end) < WholeDays(start))
            return NoData();
    }
    const TDateTime last = StartOfTheDay(end);
    const bool longRing =
        (IsLeapYear(c.year) && c.month > 2) || (IsLeapYear(c.year - 1) && c.month <= 2);
    const TDateTime oldest = StartOfTheDay(clock) - (longRing ? 366 : 365);
    start = StartOfTheDay(std::max(start, oldest) + 1e-9);
    const auto q = [](TDateTime t) { return DayOfYear(t) - 1; };
    if (q(start) == q(last) && start < last)
        start += 1;
    if (last < start - kHalfMinute)
        return NoData();
    return {0, q(start), q(last), IsLeapYear(c.year - 1) ? 366 : 365, start};
}

ArchiveSpan Monthly(int depth, TDateTime clock, TDateTime start, TDateTime end, int reportDay,
                    int reportHour) {
    if (depth < 12 || (depth > 12 && depth < 48))
        return NoData();
    const int d = reportDay >= 1 && reportDay <= 31 ? reportDay : 1;
    const int h = reportHour >= 0 && reportHour <= 23 ? reportHour : 0;
    const TimeParts ct = DecodeTime(clock);
    const TDateTime reference = ct.hour < h || (ct.hour == h && ct.minute < 2) ? clock - 1 : clock;
    const DateParts r = DecodeDate(reference);
    int year = r.year, month = r.month;
    if (r.day < d || d < 15) {
        if (--month == 0) {
            month = 12;
            --year;
        }
    }
    const TDateTime last = EncodeDate(year, month, std::min(d, DaysInMonth(year, month)));
    end = std::min(end, last);
    const TDateTime oldest = IncMonth(EncodeDate(year - depth / 12, month, 1), 1);
    start = std::max(start, oldest);
    if (end < start - kHalfMinute)
        return NoData();
    const auto m = [depth](TDateTime t) {
        const DateParts p = DecodeDate(t);
        return depth < 13 ? p.month - 1 : (p.year % 4) * 12 + p.month - 1;
    };
    return {0, m(start), m(end), depth < 13 ? 12 : 48, StartOfTheMonth(start)};
}
}  // namespace

ArchiveSpan ArchivePositions(int kind, int depth, TDateTime clock, TDateTime start, TDateTime end,
                             int reportDay, int reportHour) {
    end = std::min(end, clock);
    switch (kind) {
        case kArchiveHourly:
            return Hourly(depth, clock, start, end);
        case kArchiveDaily:
            return Daily(clock, start, end, reportHour);
        case kArchiveMonthly:
            return Monthly(depth, clock, start, end, reportDay, reportHour);
        default:
            return NoData();
    }
}
