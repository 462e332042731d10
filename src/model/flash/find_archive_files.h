// Finding the archive files of one kind that cover a report period.
#pragma once

#include <string>
#include <vector>

#include "platform/date_time.h"

struct ArchiveFilesFound {
    // 0: List holds the files that cover the period; 1: archive files exist but none covers
    // it (for kinds 0-2 List holds one cp1251 text with the period they cover); 2: no usable
    // archive file of the kind.
    int Result = 2;
    std::vector<std::string> List;
};

// Start of the archive that a file written at fileTime holds: for kind 2 day 1 of the same
// month four years earlier, else fileTime minus the kind's span.
TDateTime ArchiveStart(int kind, TDateTime fileTime);

ArchiveFilesFound FindArchiveFiles(const std::string& dir, int kind, TDateTime start,
                                   TDateTime end);
