// Choosing the newest archive file of a directory and the other files of its writing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/flash/archive_kinds.h"

using ArchiveSet = std::array<std::string, kArchiveKindCount>;

// The hexadecimal number of a name "prefix_NUMBER.EXT" (the part before "_" is optional);
// nothing when the rest is not a hexadecimal number.
std::optional<uint64_t> ArchiveNameNumber(const std::string& fileName);

// With a given name (the first non-empty one of names) that file is chosen and dir becomes
// its directory; otherwise the listed file with the greatest number is. Gives the chosen
// file's kind with names[kind] set to it and every other valid, intact file of the
// directory with the same SeriesId put into names at its kind; or -1 and a cp1251 message.
int FindArchiveSet(ArchiveSet& names, std::string dir, std::string& message);
