// Listing the archive files of a directory, with the integrity check.
#include "model/flash/list_archive_dir.h"

#include <array>
#include <fstream>

#include "model/flash/archive_kinds.h"
#include "model/flash/archive_layout.h"
#include "model/flash/crc16.h"
#include "platform/files.h"

namespace {
bool KindInRange(const std::string& name, int kindRange) {
    if (kindRange == kAnyFile)
        return true;
    int kind = ArchiveKindOfExtension(name);
    if (kindRange == kAllArchiveKinds)
        return kind >= 0;
    return kind >= 0 && kind == kindRange;
}
}  // namespace

bool ArchiveFileIntact(const std::string& fileName) {
    std::array<uint8_t, kHeadersSize> buf{};
    std::ifstream in(fileName, std::ios::binary);
    in.read(reinterpret_cast<char*>(buf.data()), buf.size());
    ArchiveHeaders h;
    ParseArchiveHeaders(std::span(buf.data(), static_cast<size_t>(in.gcount())), h);
    if (!h.HasCrcMark())
        return true;
    uint16_t crc = 0;
    return FileCrc16(fileName, crc) && crc == 0;
}

ArchiveDirListing ListArchiveDir(const std::string& dir, int kindRange, bool checkCrc,
                                 bool withSubdirectories) {
    ArchiveDirListing out;
    std::string prefix = IncludeTrailingPathDelimiter(dir);
    for (const DirEntry& e : ListDirectory(dir)) {
        std::string path = prefix + e.name;
        if (e.isDirectory) {
            if (withSubdirectories)
                out.Subdirectories.push_back(path);
            continue;
        }
        if (!KindInRange(e.name, kindRange))
            continue;
        if (checkCrc && !ArchiveFileIntact(path))
            out.Damaged.push_back(path);
        else
            out.Files.push_back(path);
    }
    return out;
}
