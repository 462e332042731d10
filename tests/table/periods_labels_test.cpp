// Report periods and date labels: row counts of cut periods and the label patterns.
#include <gtest/gtest.h>

#include "output/table/date_label.h"
#include "output/table/period.h"

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0) {
    return EncodeDateTime(y, mo, d, h, mi, 0);
}

struct PeriodCase {
    const char* name;
    int kind;
    TDateTime from, to;
    TDateTime cutFrom, cutTo;
    int rows;
};

TEST(ReportPeriods, CutPeriodsCountWholePeriods) {
    const PeriodCase cases[] = {
        {"hourly 10:30-13:10", 0, At(2024, 6, 4, 10, 30), At(2024, 6, 4, 13, 10),
         At(2024, 6, 4, 10), At(2024, 6, 4, 13), 3},
        {"daily 1st-3rd", 1, At(2024, 6, 1, 8), At(2024, 6, 3, 20), At(2024, 6, 1), At(2024, 6, 3),
         2},
        {"monthly 15 Jan-20 Mar", 2, At(2024, 1, 15), At(2024, 3, 20), At(2024, 1, 1),
         At(2024, 3, 5), 2},
        // A span that a tolerance of one double ulp at day resolution loses a row on.
        {"hourly 20:00-12:00 next day", 0, At(2024, 6, 4, 20), At(2024, 6, 5, 12),
         At(2024, 6, 4, 20), At(2024, 6, 5, 12), 16},
        {"monthly over a year end", 2, At(2023, 11, 30), At(2024, 2, 1), At(2023, 11, 1),
         At(2024, 2, 5), 3},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TDateTime from = PeriodStart(c.kind, 1, c.from);
        const TDateTime to = PeriodStart(c.kind, 5, c.to);
        EXPECT_DOUBLE_EQ(from, c.cutFrom);
        EXPECT_DOUBLE_EQ(to, c.cutTo);
        EXPECT_EQ(PeriodCount(c.kind, from, to), c.rows);
        EXPECT_EQ(PeriodCount(c.kind, to, from), c.rows);
    }
}

TEST(ReportPeriods, EveryHourlySpanOfAYearCountsExactly) {
    const TDateTime base = At(2024, 1, 1);
    for (int start = 0; start < 24 * 366; start += 7)
        for (int hours : {1, 16, 23, 700, 2999})
            ASSERT_EQ(PeriodCount(0, base + start / 24.0, base + (start + hours) / 24.0), hours)
                << start;
}

struct LabelCase {
    const char* format;
    int kind;
    TDateTime t;
    const char* label;
};

TEST(DateLabels, PatternsOfTheDateFormat) {
    CurrentFormatSettings() = FormatSettings{};
    const LabelCase cases[] = {
        {"DD.MM.YY HH:NN", 0, At(2015, 11, 25, 17, 40), "25.11.15   17:00"},
        {"DD.MM.YY -hh:nn", 0, At(2015, 11, 25, 17), "25.11.15  18:00"},
        {"DD.MM.YY hh:nn-hh:nn", 0, At(2015, 11, 25, 23), "25.11.15   23:00- 00:00"},
        {"DD.MM.YY hh.nn", 0, At(2015, 11, 25, 9), "25.11.15   09:00"},
        {"DD/MM/YYYY", 1, At(2015, 11, 25, 9), "25.11.2015 "},
        {"DD.MM.YY HH:NN", 2, At(2015, 11, 25), "11.15  "},
        {"", 0, At(2015, 11, 25, 9), " 09:00"},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.format);
        TDateTime t = c.t;
        EXPECT_EQ(DateLabel(c.kind, false, t, c.format), c.label);
    }
}

TEST(DateLabels, AdvanceMovesByOnePeriodFromItsStart) {
    TDateTime t = At(2024, 1, 31, 23, 30);
    EXPECT_EQ(DateLabel(0, true, t, "DD.MM.YY HH:NN"), "01.02.24   00:00");
    t = At(2024, 1, 31, 12);
    EXPECT_EQ(DateLabel(2, true, t, "MM.YYYY"), "02.2024 ");
    EXPECT_DOUBLE_EQ(t, At(2024, 2, 1));
    EXPECT_EQ(DateLabel(1, true, t, "DD.MM.YY"), "02.02.24 ");
}

}  // namespace
