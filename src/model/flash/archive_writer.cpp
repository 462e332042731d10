// Writing archive files from plain descriptions.
#include "model/flash/archive_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "model/flash/archive_layout.h"
#include "model/flash/archive_time.h"
#include "model/flash/crc16.h"
#include "platform/files.h"

namespace {
class LeWriter {
  public:
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v) { Le(v, 2); }
    void U32(uint32_t v) { Le(v, 4); }
    void I32(int32_t v) { Le(static_cast<uint32_t>(v), 4); }
    void F32(float v) { Le(std::bit_cast<uint32_t>(v), 4); }
    void F64(double v) { Le(std::bit_cast<uint64_t>(v), 8); }
    void Raw(const RawTime& t) { bytes.insert(bytes.end(), t.begin(), t.end()); }
    void Zeros(size_t n) { bytes.insert(bytes.end(), n, 0); }
    // A length byte and exactly size character bytes, zero after the text.
    void ShortString(const std::string& s, size_t size) {
        size_t n = std::min(s.size(), size);
        U8(static_cast<uint8_t>(n));
        bytes.insert(bytes.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
        Zeros(size - n);
    }

    std::vector<uint8_t> bytes;

  private:
    void Le(uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
};

// -1.0 with its lowest byte set to 1 (CRC mark) or 2 (no CRC); 0.0 for double times.
double ChooseSignature(const ArchiveFileSpec& spec) {
    if (spec.Signature)
        return *spec.Signature;
    if (!spec.Bcd)
        return 0.0;
    uint64_t bits = std::bit_cast<uint64_t>(-1.0) | (spec.Crc ? 1u : 2u);
    return std::bit_cast<double>(bits);
}
}  // namespace

ArchiveRecordSpec RecordOf(float value, uint16_t status) {
    return ArchiveRecordSpec{status, std::bit_cast<uint32_t>(value)};
}

std::vector<uint8_t> EncodeArchiveFile(const ArchiveFileSpec& spec) {
    const double signature = ChooseSignature(spec);
    const bool bcd = signature < 0;
    LeWriter w;
    w.F64(signature);
    w.U32(spec.SeriesId);
    w.U16(spec.ModuleWord);
    w.Zeros(2);
    w.Raw(EncodeArchiveTime(spec.FileTime, bcd));
    w.I32(spec.BlockCount.value_or(static_cast<int32_t>(spec.Blocks.size())));
    w.U16(spec.ModuleNumber);
    w.Zeros(2);
    for (const ArchiveBlockSpec& b : spec.Blocks) {
        w.U16(b.BlockId);
        w.U16(b.Depth);
        w.ShortString(b.BlockName, kBlockNameMax);
        w.ShortString(b.BlockShortName, kBlockShortNameMax);
        w.Raw(EncodeArchiveTime(b.BlockTime, bcd));
        w.F32(b.Step);
        w.I32(b.BlockExtra);
        w.I32(b.RecordCount.value_or(static_cast<int32_t>(b.Records.size())));
        w.Zeros(4);
        for (const ArchiveRecordSpec& r : b.Records) {
            w.U16(r.Status);
            w.Zeros(2);
            w.U32(r.ValueBits);
        }
    }
    ArchiveHeaders h;
    ParseArchiveHeaders(w.bytes, h);
    if (h.HasCrcMark())
        w.U16(Crc16Update(kCrc16Start, w.bytes));
    return std::move(w.bytes);
}

bool WriteArchiveFile(const std::string& path, const ArchiveFileSpec& spec) {
    std::vector<uint8_t> bytes = EncodeArchiveFile(spec);
    return WriteFileAtomic(path, bytes.data(), bytes.size());
}
