// Ring positions of the hourly, daily and monthly archives for a period.
#pragma once

#include "platform/date_time.h"

enum ArchiveReadKind { kArchiveHourly = 0, kArchiveDaily = 1, kArchiveMonthly = 2 };

// What to read: ring positions from..to (wrapping) of a ring of ringSize, and the time of
// the first record; code 25 when the period holds no record, or when the depth is one the
// ring arithmetic cannot hold (hourly depths that are not a positive multiple of 24,
// monthly depths below 12 or of 13..47).
struct ArchiveSpan {
    int code = 0;
    int from = 0, to = 0, ringSize = 0;
    TDateTime firstRecord = 0;
};

ArchiveSpan ArchivePositions(int kind, int depth, TDateTime clock, TDateTime start, TDateTime end,
                             int reportDay, int reportHour);
