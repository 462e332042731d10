// Reading a zip archive with minizip: entry list and capped extraction to memory.
#include "model/configdb/zip_reader.h"

#include <minizip/unzip.h>

#include <algorithm>

#include "platform/codepage.h"

namespace {

constexpr unsigned long kFlagEncrypted = 1u << 0;
constexpr unsigned long kFlagUtf8Name = 1u << 11;
constexpr unsigned long kMethodStored = 0;
constexpr unsigned long kMethodDeflated = 8;

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (unsigned char)c < 0x80; });
}

std::string NameToUtf8(std::string raw, unsigned long flags) {
    if (IsAscii(raw) || ((flags & kFlagUtf8Name) && IsValidUtf8(raw)))
        return raw;
    return OemToUtf8(raw);
}

}  // namespace

ZipReader::~ZipReader() {
    Close();
}

void ZipReader::Close() {
    if (zip_)
        unzClose(static_cast<unzFile>(zip_));
    zip_ = nullptr;
    complete_ = false;
    entries_.clear();
    locations_.clear();
}

bool ZipReader::Open(const std::string& path) {
    Close();
    zip_ = unzOpen64(path.c_str());
    if (!zip_)
        return false;
    ReadDirectory();
    return true;
}

void ZipReader::ReadDirectory() {
    unzFile zf = static_cast<unzFile>(zip_);
    std::vector<char> nameBuf(65536);
    int rc = unzGoToFirstFile(zf);
    while (rc == UNZ_OK) {
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zf, &info, nameBuf.data(), nameBuf.size(), nullptr, 0, nullptr,
                                    0) != UNZ_OK)
            return;
        unz64_file_pos pos{};
        if (unzGetFilePos64(zf, &pos) != UNZ_OK)
            return;
        std::string raw(nameBuf.data(), std::min<size_t>(info.size_filename, nameBuf.size()));
        ZipEntry e;
        e.isDirectory = !raw.empty() && (raw.back() == '/' || raw.back() == '\\');
        e.name = NameToUtf8(std::move(raw), info.flag);
        e.size = info.uncompressed_size;
        entries_.push_back(std::move(e));
        locations_.push_back(
            {pos.pos_in_zip_directory, pos.num_of_file, info.flag, info.compression_method});
        rc = unzGoToNextFile(zf);
    }
    complete_ = rc == UNZ_END_OF_LIST_OF_FILE;
}

ZipExtractResult ZipReader::Extract(size_t index, uint64_t maxBytes, std::vector<uint8_t>& out) {
    out.clear();
    if (!zip_ || index >= entries_.size())
        return ZipExtractResult::Broken;
    const Location& loc = locations_[index];
    const uint64_t announced = entries_[index].size;
    if (loc.flags & kFlagEncrypted)
        return ZipExtractResult::Encrypted;
    if (loc.method != kMethodStored && loc.method != kMethodDeflated)
        return ZipExtractResult::Unsupported;
    if (announced > maxBytes)
        return ZipExtractResult::TooLarge;

    unzFile zf = static_cast<unzFile>(zip_);
    unz64_file_pos pos{loc.directoryOffset, loc.fileNumber};
    if (unzGoToFilePos64(zf, &pos) != UNZ_OK || unzOpenCurrentFile(zf) != UNZ_OK)
        return ZipExtractResult::Broken;
    out.reserve(size_t(announced));
    std::vector<uint8_t> buf(65536);
    ZipExtractResult result = ZipExtractResult::Ok;
    for (;;) {
        // Ask for at most one byte past the cap, whatever the header said.
        uint64_t room = maxBytes + 1 - out.size();
        int n = unzReadCurrentFile(zf, buf.data(), unsigned(std::min<uint64_t>(buf.size(), room)));
        if (n < 0) {
            result = ZipExtractResult::Broken;
            break;
        }
        if (n == 0)
            break;
        out.insert(out.end(), buf.begin(), buf.begin() + n);
        if (out.size() > maxBytes) {
            result = ZipExtractResult::TooLarge;
            break;
        }
    }
    int closeRc = unzCloseCurrentFile(zf);
    if (result == ZipExtractResult::Ok && (closeRc != UNZ_OK || out.size() != announced))
        result = ZipExtractResult::Broken;
    if (result != ZipExtractResult::Ok)
        out.clear();
    return result;
}
