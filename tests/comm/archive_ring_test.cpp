// Archive periods to ring positions, with the clock rules and the depths the ring cannot hold.
#include <gtest/gtest.h>

#include "comm/device/archive_ring.h"

TEST(ArchivePositions, HourlyEndInTheFutureIsCutToTheClock) {
    const TDateTime clock = EncodeDateTime(2024, 3, 15, 10, 30, 0);
    const ArchiveSpan span =
        ArchivePositions(kArchiveHourly, 1488, clock, EncodeDateTime(2024, 3, 15, 0, 0, 0),
                         EncodeDateTime(2024, 3, 16, 0, 0, 0), 1, 0);
    ASSERT_EQ(span.code, 0);
    EXPECT_EQ(span.to - span.from, 9);  // 00:00 .. 09:00, the last complete hour
    EXPECT_EQ(span.ringSize, 1488);
}

TEST(ArchivePositions, DailyReportHourRule) {
    const TDateTime clock = EncodeDateTime(2024, 3, 15, 5, 0, 0);
    const ArchiveSpan span =
        ArchivePositions(kArchiveDaily, 365, clock, EncodeDate(2024, 3, 1), clock, 1, 9);
    ASSERT_EQ(span.code, 0);
    EXPECT_EQ(span.to, DayOfYear(EncodeDate(2024, 3, 13)) - 1);  // two days before today
}

TEST(ArchivePositions, FortyEightMonthPositions) {
    const TDateTime clock = EncodeDateTime(2025, 6, 20, 12, 0, 0);
    const ArchiveSpan span = ArchivePositions(kArchiveMonthly, 48, clock, EncodeDate(2024, 3, 1),
                                              EncodeDate(2025, 3, 1), 1, 0);
    ASSERT_EQ(span.code, 0);
    EXPECT_EQ(span.from, 2);  // March 2024
    EXPECT_EQ(span.to, 14);   // March 2025
    EXPECT_EQ(span.ringSize, 48);
}

TEST(ArchivePositions, DepthsTheRingCannotHoldGiveNoData) {
    const TDateTime clock = EncodeDateTime(2024, 3, 15, 10, 0, 0);
    for (auto [kind, depth] : {std::pair{kArchiveHourly, 100},
                               {kArchiveHourly, 0},
                               {kArchiveMonthly, 24},
                               {kArchiveMonthly, 6}}) {
        EXPECT_EQ(ArchivePositions(kind, depth, clock, clock - 30, clock, 1, 0).code, 25)
            << kind << " " << depth;
    }
    EXPECT_EQ(ArchivePositions(kArchiveHourly, 1488, clock, clock + 1, clock + 2, 1, 0).code, 25);
}
