// Reading the records of one archive parameter of a module for a period.
#pragma once

#include <string>
#include <vector>

#include "platform/date_time.h"

// kind 0 hourly, 1 daily, 2 monthly (ArchiveReadKind). A clock of 0 is read from the module
// first and given back. values get one value per record from firstRecord on (a quiet NaN
// where the controller has none), the exchange's IndexList the ring position of each.
int ReadArchive(int address, int kind, int number, int depth, std::string& message,
                TDateTime& firstRecord, TDateTime& clock, int& count, int extNumber,
                std::vector<double>& values, TDateTime periodStart, TDateTime periodEnd,
                int reportDay, int reportHour);
