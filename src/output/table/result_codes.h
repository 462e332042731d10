// Result codes of building a report table and of the reading flows, with their messages.
#pragma once

#include <string>

enum ReportResult {
    rrOk = 0,
    rrNoColumns = 1,
    rrNoModule = 2,
    rrNoLinkSettings = 3,
    rrNoLink = 4,
    rrNoAdapter = 5,
    rrModuleNotFound = 6,
    rrBadPeriod = 7,
    rrNoFlash = 8,
    rrNoArchiveFiles = 9,
    rrNoArchives = 10,
    rrTooManyRows = 11,
    rrDateMismatch = 12,
    rrQueueIdMismatch = 13,
    rrFileExists = 14,
    rrKindNotSet = 15,
    rrSuccess = 16,
};

// The message of |code| ("" for 0 and for codes outside 0 … 16).
std::string ReportResultMessage(int code);
