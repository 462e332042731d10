// Listing the archive files of a directory, with the integrity check.
#pragma once

#include <string>
#include <vector>

// Kind ranges of ListArchiveDir besides a single kind 0..4.
inline constexpr int kAllArchiveKinds = -1;
inline constexpr int kAnyFile = -2;

struct ArchiveDirListing {
    std::vector<std::string> Files;
    std::vector<std::string> Subdirectories;
    std::vector<std::string> Damaged;  // carry the CRC mark and fail the CRC
};

// False only for a file that carries the CRC mark and whose CRC is not 0.
bool ArchiveFileIntact(const std::string& fileName);

// The directory's own entries in name order, each as the directory with a trailing
// delimiter followed by the entry name. kindRange: one kind, kAllArchiveKinds or kAnyFile.
ArchiveDirListing ListArchiveDir(const std::string& dir, int kindRange, bool checkCrc,
                                 bool withSubdirectories);
