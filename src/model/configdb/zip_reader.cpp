// Reading a zip archive with minizip: entry list and capped extraction to memory.
#include "model/configdb/zip_reader.h"

#include <minizip/unzip.h>

#include <algorithm>

#include "model/configdb/zip_file_io.h"
#include "platform/codepage.h"

namespace {

constexpr unsigned long kFlagEncrypted = 1u << 0;
constexpr unsigned long kMethodStored = 0;
constexpr unsigned long kMethodDeflated = 8;

// Names flagged as UTF-8 (general-purpose bit 11) are UTF-8, and so are unflagged names whose
// bytes form valid UTF-8: the zip tool on Linux stores UTF-8 names without the flag, while
// Cyrillic cp866 text is practically never valid UTF-8. Everything else is in the OEM code
// page (cp866), as the old archivers write it.
std::string NameToUtf8(std::string raw) {
    return IsValidUtf8(raw) ? raw : OemToUtf8(raw);
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
    zlib_filefunc64_def io = BufferedZipFileFunctions();
    zip_ = unzOpen2_64(path.c_str(), &io);
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
        e.name = NameToUtf8(std::move(raw));
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
