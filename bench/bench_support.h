// Pieces the benchmarks share: the process's peak memory and the report files of a plain
// hourly report.
#pragma once

#include <string>

// Peak resident memory of the process so far, in KiB.
long PeakKiB();

// A descriptor with columns "P1" … (format "%1.3f", sums and averages in turn) and a module
// report file assigning hourly archive parameters firstParam, firstParam + 1, … of the
// given depth to them.
void WriteHourlyReportFiles(const std::string& descriptorPath, const std::string& modulePath,
                            int columns, int firstParam, int depth);
