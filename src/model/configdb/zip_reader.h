// Reading a zip archive: its entry list with names in UTF-8, and capped extraction to memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ZipEntry {
    // Names are converted from cp866 unless the entry is flagged as UTF-8 (bit 11).
    std::string name;
    bool isDirectory = false;
    uint64_t size = 0;  // uncompressed size as the archive announces it
};

enum class ZipExtractResult { Ok, TooLarge, Encrypted, Unsupported, Broken };

class ZipReader {
  public:
    ZipReader() = default;
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // Opens the archive and reads its central directory; false when the file cannot be read
    // as a zip archive at all.
    bool Open(const std::string& path);
    bool IsOpen() const { return zip_ != nullptr; }
    // False when the central directory broke off early; Entries() then holds what came
    // before the damage.
    bool DirectoryComplete() const { return complete_; }
    const std::vector<ZipEntry>& Entries() const { return entries_; }

    // Inflates entry index into out. Never produces more than maxBytes: an entry announced
    // larger is refused before inflating, and inflating stops once it passes the cap. The
    // result is Broken when the data do not match the announced size or checksum.
    ZipExtractResult Extract(size_t index, uint64_t maxBytes, std::vector<uint8_t>& out);

  private:
    struct Location {
        uint64_t directoryOffset = 0;
        uint64_t fileNumber = 0;
        unsigned long flags = 0;
        unsigned long method = 0;
    };

    void Close();
    void ReadDirectory();

    void* zip_ = nullptr;
    bool complete_ = false;
    std::vector<ZipEntry> entries_;
    std::vector<Location> locations_;
};
