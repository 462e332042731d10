// Reading the records of one block of an archive file for a period.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/date_time.h"

// Raised when the file ends before the headers, blocks or records it announces.
struct ArchiveReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The records read, in file order; the three lists have the same length.
struct ArchiveReading {
    std::vector<TDateTime> Times;
    std::vector<double> Values;
    std::vector<uint16_t> Statuses;
    // Minutes between records: the block's step for kind 3, else 30; 0 when no block was read.
    int StepMinutes = 0;

    size_t Count() const { return Times.size(); }
};

// The records of the first block with the id whose times fall into [from, to] (to = 0: no
// upper bound). Files of the old layout, a missing block and a file that cannot be opened
// give no records. In files with BCD times the block time is the last record's and every
// record the block holds is dated back from it, also when it holds more than its Depth.
// Throws ArchiveReadError when the file is shorter than it announces.
ArchiveReading ReadArchiveFile(const std::string& fileName, uint16_t blockId, int kind,
                               TDateTime from, TDateTime to);
