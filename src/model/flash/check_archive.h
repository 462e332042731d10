// Checking an archive file and reading its headers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/date_time.h"

struct ArchiveFileInfo {
    std::string Error;  // cp1251; empty when the file is valid
    int Kind = -1;      // 0..4, -1 when the name matches no archive extension
    uint16_t ModuleWord = 0;
    uint16_t ModuleNumber = 0;
    TDateTime FileTime = 0;
    int32_t BlockCount = 0;
    uint32_t SeriesId = 0;  // 0 for the old layout
    bool Bcd = false;

    // A usable archive file: a known kind and no error.
    bool Valid() const { return Error.empty() && Kind >= 0; }
};

// The kind comes from the first archive extension found anywhere in the upper-cased name;
// a name with none gives kind -1 and no error, and the file is not opened.
ArchiveFileInfo CheckArchiveFile(const std::string& fileName);
