// Report periods: cutting a time down to its hour, day or month and counting whole periods.
#pragma once

#include "platform/date_time.h"

// kind 0: date and hour kept, minutes and below zeroed; kind 1: also the hour zeroed; kind 2:
// also the day of the month set to day; any other kind: t unchanged.
TDateTime PeriodStart(int kind, int day, TDateTime t);

// Whole hours (kind 0), days (kind 1) or calendar months (kind 2) between the two times, in
// either order, counted from the calendar fields to the millisecond so that no whole period
// is lost to rounding. 0 for any other kind.
int PeriodCount(int kind, TDateTime start, TDateTime end);
