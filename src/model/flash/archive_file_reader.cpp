// Sequential reading of an archive file's headers, blocks and records.
#include "model/flash/archive_file_reader.h"

#include <array>
#include <filesystem>

bool ArchiveFileReader::Open(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    in_.open(path, std::ios::binary);
    size_ = size;
    pos_ = 0;
    return static_cast<bool>(in_);
}

bool ArchiveFileReader::Read(std::span<uint8_t> out) {
    if (!Fits(out.size()))
        return false;
    in_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (static_cast<size_t>(in_.gcount()) != out.size())
        return false;
    pos_ += out.size();
    return true;
}

bool ArchiveFileReader::ReadHeaders(ArchiveHeaders& out) {
    std::array<uint8_t, kHeadersSize> buf{};
    size_t n = Fits(buf.size()) ? buf.size() : static_cast<size_t>(size_ - pos_);
    bool complete = Read(std::span(buf.data(), n)) && n == buf.size();
    ParseArchiveHeaders(std::span(buf.data(), n), out);
    return complete;
}

bool ArchiveFileReader::ReadBlockHeader(BlockHeader& out) {
    std::array<uint8_t, kBlockHeaderSize> buf;
    return Read(buf) && ParseBlockHeader(buf, out);
}

bool ArchiveFileReader::SkipRecords(int32_t count) {
    if (count <= 0)
        return true;
    uint64_t bytes = static_cast<uint64_t>(count) * kRecordSize;
    if (!Fits(bytes))
        return false;
    in_.seekg(static_cast<std::streamoff>(bytes), std::ios::cur);
    pos_ += bytes;
    return static_cast<bool>(in_);
}

bool ArchiveFileReader::ReadRecords(int32_t count, std::vector<ArchiveRecord>& out) {
    out.clear();
    if (count <= 0)
        return true;
    uint64_t size = static_cast<uint64_t>(count) * kRecordSize;
    if (!Fits(size))
        return false;
    std::vector<uint8_t> bytes(size);
    if (!Read(bytes))
        return false;
    out.reserve(static_cast<size_t>(count));
    for (size_t i = 0; i < bytes.size(); i += kRecordSize)
        out.push_back(
            ParseRecord(std::span<const uint8_t, kRecordSize>(bytes.data() + i, kRecordSize)));
    return true;
}
