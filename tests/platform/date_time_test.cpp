// TDateTime encoding and decoding, calendar arithmetic and FormatDateTime patterns.
#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "support/scoped_env.h"

namespace {

constexpr double kMs = 1.0 / 86400000;

}  // namespace

TEST(DateTime, EncodeAndDecodeRoundTrip) {
    struct Case {
        int y, m, d, h, n, s, ms;
        double value;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0, 0},
        {1899, 12, 31, 0, 0, 0, 0, 1},
        {1900, 1, 1, 0, 0, 0, 0, 2},
        {1900, 3, 1, 0, 0, 0, 0, 61},  // 1900 has no 29 February
        {1970, 1, 1, 0, 0, 0, 0, 25569},
        {2000, 1, 1, 12, 0, 0, 0, 36526.5},
        {2015, 11, 25, 17, 0, 0, 0, 42333 + 17.0 / 24},
        {2024, 2, 29, 6, 0, 0, 0, 45351.25},
        {2015, 11, 25, 23, 59, 59, 999, 42334 - kMs},
        {1899, 12, 29, 6, 0, 0, 0, -1.25},  // before the epoch the fraction counts forwards
        {1899, 12, 29, 18, 0, 0, 0, -1.75},
        {1, 1, 1, 0, 0, 0, 0, -693593},
        {9999, 12, 31, 0, 0, 0, 0, 2958465},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d << ' ' << c.h);
        const TDateTime dt = EncodeDateTime(c.y, c.m, c.d, c.h, c.n, c.s, c.ms);
        EXPECT_NEAR(dt, c.value, 1e-9);
        const DateParts date = DecodeDate(c.value);
        const TimeParts time = DecodeTime(c.value);
        EXPECT_EQ(date.year, c.y);
        EXPECT_EQ(date.month, c.m);
        EXPECT_EQ(date.day, c.d);
        EXPECT_EQ(time.hour, c.h);
        EXPECT_EQ(time.minute, c.n);
        EXPECT_EQ(time.second, c.s);
        EXPECT_EQ(time.msec, c.ms);
    }
}

TEST(DateTime, InvalidPartsAreRejected) {
    const int dates[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 2, 30}, {2023, 4, 31},
                            {0, 1, 1},     {10000, 1, 1}, {2020, 13, 1}, {2020, 0, 1},
                            {2020, 1, 0},  {2020, 1, -1}};
    for (const auto& d : dates) {
        TDateTime out = 123;
        EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], out)) << d[0] << '-' << d[1] << '-' << d[2];
        EXPECT_EQ(out, 123);
        EXPECT_EQ(EncodeDate(d[0], d[1], d[2]), 0);
        EXPECT_EQ(EncodeDateTime(d[0], d[1], d[2], 1, 0, 0), 0);
    }
    const int times[][4] = {{24, 0, 0, 0},   {0, 60, 0, 0}, {0, 0, 60, 0},
                            {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
    for (const auto& t : times) {
        TDateTime out = 123;
        EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], out));
        EXPECT_EQ(out, 123);
        EXPECT_EQ(EncodeTime(t[0], t[1], t[2], t[3]), 0);
        EXPECT_EQ(EncodeDateTime(2020, 1, 1, t[0], t[1], t[2], t[3]), 0);
    }
    TDateTime t = 0;
    EXPECT_TRUE(TryEncodeTime(23, 59, 59, 999, t));
    EXPECT_NEAR(t, 1 - kMs, 1e-12);
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    const std::pair<int, bool> years[] = {{1600, true},  {1900, false}, {2000, true},
                                          {2023, false}, {2024, true},  {2100, false}};
    for (const auto& [year, leap] : years) {
        EXPECT_EQ(IsLeapYear(year), leap) << year;
        EXPECT_EQ(DaysInMonth(year, 2), leap ? 29 : 28) << year;
    }
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DateTime, DecodingRoundsToTheMillisecondAcrossMidnight) {
    // Just short of midnight: the next day at 00:00, never "24:00".
    const TDateTime late = EncodeDate(2015, 11, 25) + 1 - 0.4 * kMs;
    const DateParts d = DecodeDate(late);
    EXPECT_EQ(d.day, 26);
    EXPECT_EQ(DecodeTime(late).hour, 0);
    EXPECT_EQ(FormatDateTime("dd.mm.yy hh:nn:ss.zzz", late), "26.11.15 00:00:00.000");
    // Before the epoch the same holds for the absolute value of the fraction.
    const TDateTime early = -1 - (1 - 0.4 * kMs);
    EXPECT_EQ(DecodeDate(early).day, 30);
    EXPECT_EQ(DecodeDate(early).month, 12);
    EXPECT_EQ(DecodeTime(early).hour, 0);
    // An hour added to 23:00 is the next day's 00:00.
    EXPECT_EQ(FormatDateTime("dd.mm hh:nn", EncodeDateTime(2015, 11, 25, 23, 0, 0) + 1.0 / 24),
              "26.11 00:00");
    // Float noise below half a millisecond disappears.
    EXPECT_EQ(DecodeTime(EncodeDate(2015, 11, 25) + 17.0 / 24 - 1e-10).hour, 17);
}

TEST(DateTime, OutOfRangeValuesDecodeAsZeros) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {std::nan(""), inf, -inf, 1e12, -693594.0, 2958466.0}) {
        const DateParts d = DecodeDate(v);
        const TimeParts t = DecodeTime(v);
        EXPECT_EQ(d.year + d.month + d.day, 0) << v;
        EXPECT_EQ(t.hour + t.minute + t.second + t.msec, 0) << v;
        EXPECT_EQ(DayOfWeek(v), 0) << v;
        EXPECT_EQ(DayOfYear(v), 0) << v;
        EXPECT_EQ(StartOfTheHour(v), 0) << v;
        EXPECT_EQ(StartOfTheDay(v), 0) << v;
        EXPECT_EQ(StartOfTheMonth(v), 0) << v;
        EXPECT_EQ(StartOfTheYear(v), 0) << v;
    }
}

TEST(DateTime, DayOfWeekAndDayOfYear) {
    EXPECT_EQ(DayOfWeek(0), 7);  // 30.12.1899 was a Saturday
    EXPECT_EQ(DayOfWeek(1), 1);
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_EQ(DayOfWeek(-1.25), 6);
    EXPECT_EQ(DayOfWeek(-7), 7);
    EXPECT_EQ(DayOfWeek(EncodeDateTime(2015, 11, 25, 17, 0, 0)), 4);  // Wednesday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);                  // Sunday
    EXPECT_EQ(DayOfYear(EncodeDate(2023, 1, 1)), 1);
    EXPECT_EQ(DayOfYear(EncodeDate(2024, 3, 1)), 61);
    EXPECT_EQ(DayOfYear(EncodeDate(2023, 3, 1)), 60);
    EXPECT_EQ(DayOfYear(EncodeDateTime(2024, 12, 31, 23, 0, 0)), 366);
    EXPECT_EQ(DayOfYear(EncodeDate(2023, 12, 31)), 365);
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime) {
    struct Case {
        int y, m, d, months;
        int ey, em, ed;
    };
    const Case cases[] = {
        {2024, 1, 31, 1, 2024, 2, 29},    {2023, 1, 31, 1, 2023, 2, 28},
        {2024, 3, 31, -1, 2024, 2, 29},   {2015, 11, 15, 2, 2016, 1, 15},
        {2016, 1, 15, -13, 2014, 12, 15}, {2015, 11, 15, 0, 2015, 11, 15},
        {2015, 5, 31, 12, 2016, 5, 31},   {1900, 1, 10, -1, 1899, 12, 10},
    };
    for (const Case& c : cases) {
        const TDateTime from = EncodeDateTime(c.y, c.m, c.d, 10, 30, 0);
        EXPECT_NEAR(IncMonth(from, c.months), EncodeDateTime(c.ey, c.em, c.ed, 10, 30, 0), 1e-9)
            << c.y << '-' << c.m << '-' << c.d << " + " << c.months;
    }
    const TDateTime last = EncodeDate(9999, 12, 15);
    EXPECT_EQ(IncMonth(last, 1), last);
    EXPECT_EQ(IncMonth(EncodeDate(1, 1, 15), -1), EncodeDate(1, 1, 15));
}

TEST(DateTime, StartOfPeriods) {
    const TDateTime dt = EncodeDateTime(2015, 11, 25, 17, 45, 30, 250);
    EXPECT_NEAR(StartOfTheHour(dt), EncodeDateTime(2015, 11, 25, 17, 0, 0), 1e-9);
    EXPECT_EQ(StartOfTheDay(dt), EncodeDate(2015, 11, 25));
    EXPECT_EQ(StartOfTheMonth(dt), EncodeDate(2015, 11, 1));
    EXPECT_EQ(StartOfTheYear(dt), EncodeDate(2015, 1, 1));
    // Before the epoch: 29.12.1899 19:12 starts its hour at 19:00 and its day at -1.
    const TDateTime old = EncodeDateTime(1899, 12, 29, 19, 12, 0);
    EXPECT_NEAR(StartOfTheHour(old), EncodeDateTime(1899, 12, 29, 19, 0, 0), 1e-9);
    EXPECT_EQ(StartOfTheDay(old), -1);
    EXPECT_EQ(StartOfTheMonth(old), EncodeDate(1899, 12, 1));
}

TEST(DateTime, LocalTimeFromUnixSecondsFollowsTheTimeZone) {
    {
        ScopedEnv tz("TZ", "UTC0");
        EXPECT_EQ(LocalDateTimeFromUnix(0), 25569);
        EXPECT_NEAR(LocalDateTimeFromUnix(1448470800, 123),
                    EncodeDateTime(2015, 11, 25, 17, 0, 0, 123), 1e-9);
    }
    {
        ScopedEnv tz("TZ", "MSK-3");
        EXPECT_NEAR(LocalDateTimeFromUnix(1448470800), EncodeDateTime(2015, 11, 25, 20, 0, 0),
                    1e-9);
        EXPECT_LT(std::fabs(Now() - LocalDateTimeFromUnix(std::time(nullptr))), 1.0 / 1440);
    }
}

TEST(FormatDateTime, PatternsOfTheProgram) {
    const TDateTime dt = EncodeDateTime(2015, 11, 25, 17, 5, 9, 7);
    const FormatSettings dots{',', '.', ':'};
    const std::pair<const char*, const char*> cases[] = {
        // Report date columns and their split parts.
        {"DD.MM.YY HH:NN", "25.11.15 17:05"},
        {"DD.MM.YYYY hh:nn", "25.11.2015 17:05"},
        {"DD.MM.YY ", "25.11.15 "},
        {" HH:NN", " 17:05"},
        {"HH", "17"},
        {"MM.YY ", "11.15 "},
        // Flash-disk archive periods, exchange log file names and lines.
        {"dd.mm.yyyy hh", "25.11.2015 17"},
        {"mm.yyyy", "11.2015"},
        {"dd_mm_yy", "25_11_15"},
        {"hh:nn:ss:zzz", "17:05:09:007"},
        // "m" after an hour token is the minute, elsewhere the month.
        {"hh:mm", "17:05"},
        {"hh:mm:ss", "17:05:09"},
        {"h:m", "17:5"},
        {"hh mm", "17 05"},
        {"hh 'x' mm", "17 x 05"},
        {"mm hh", "11 17"},
        {"HH:MM DD.MM", "17:05 25.11"},
        {"yyyy-mm-dd", "2015-11-25"},
        // Single letters, runs and separators.
        {"d.m.y", "25.11.15"},
        {"n s z", "5 9 7"},
        {"nn ss zzz", "05 09 007"},
        {"yyy", "2015"},
        {"d/m/yy", "25.11.15"},
        // Literals and other characters.
        {"'hh:mm' hh", "hh:mm 17"},
        {"\"Дата:\" dd", "Дата: 25"},
        {"Дата dd", "Дата 25"},
        {"dd 'open", "25 open"},
        {"x dd", "x 25"},
        {"", ""},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(FormatDateTime(pattern, dt, dots), expected) << pattern;
}

TEST(FormatDateTime, SeparatorsComeFromTheSettings) {
    const TDateTime dt = EncodeDateTime(2015, 11, 25, 17, 5, 9);
    const FormatSettings other{'.', '/', '-'};
    EXPECT_EQ(FormatDateTime("dd/mm/yy hh:nn", dt, other), "25/11/15 17-05");
    EXPECT_EQ(FormatDateTime("dd.mm", dt, other), "25.11");  // a dot is copied as it is

    FormatSettings& current = CurrentFormatSettings();
    const FormatSettings saved = current;
    current.DateSeparator = '-';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", dt), "25-11-2015");
    current = saved;
}

TEST(FormatDateTime, SmallYearsArePadded) {
    const TDateTime dt = EncodeDate(5, 1, 2);
    EXPECT_EQ(FormatDateTime("yyyy yy d.m", dt), "0005 05 2.1");
    EXPECT_EQ(FormatDateTime("yy", EncodeDate(1899, 12, 31)), "99");
}
