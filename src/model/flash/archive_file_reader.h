// Sequential reading of an archive file's headers, blocks and records, within its size.
#pragma once

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "model/flash/archive_layout.h"

// Every read first checks that the file still holds the bytes it needs, so a forged count
// never makes it allocate or seek beyond the file.
class ArchiveFileReader {
  public:
    bool Open(const std::string& path);
    // Parses what the file holds of the two headers; false when it is shorter than both.
    bool ReadHeaders(ArchiveHeaders& out);
    uint64_t Size() const { return size_; }
    bool ReadBlockHeader(BlockHeader& out);
    // A count of zero or less has no records. False when the file is too short.
    bool SkipRecords(int32_t count);
    bool ReadRecords(int32_t count, std::vector<ArchiveRecord>& out);

  private:
    bool Fits(uint64_t n) const { return n <= size_ - pos_; }
    bool Read(std::span<uint8_t> out);

    std::ifstream in_;
    uint64_t size_ = 0;
    uint64_t pos_ = 0;
};
