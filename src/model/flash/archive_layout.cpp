// Parsing of the header, block and record fields of flash-disk archive files.
#include "model/flash/archive_layout.h"

#include <algorithm>

#include "model/flash/le_reader.h"

bool ParseArchiveHeaders(std::span<const uint8_t> bytes, ArchiveHeaders& out) {
    LeReader r(bytes);
    out.SignatureByte0 = bytes.empty() ? 0 : bytes[0];
    out.Signature = r.F64();
    out.SeriesId = r.U32();
    out.ModuleWord = r.U16();
    r.Skip(2);
    r.Bytes(out.FileTime.data(), out.FileTime.size());
    out.BlockCount = r.I32();
    out.ModuleNumber = r.U16();
    r.Skip(2);
    return r.Ok();
}

bool ParseBlockHeader(std::span<const uint8_t> bytes, BlockHeader& out) {
    LeReader r(bytes);
    out.BlockId = r.U16();
    out.Depth = r.U16();
    std::array<uint8_t, 1 + kBlockNameMax> name{};
    r.Bytes(name.data(), name.size());
    size_t nameLen = std::min<size_t>(name[0], kBlockNameMax);
    out.BlockName.assign(reinterpret_cast<const char*>(name.data() + 1), nameLen);
    r.Skip(1);  // length byte of the short name: its eight bytes are taken as they are
    r.Bytes(out.BlockShortName.data(), out.BlockShortName.size());
    r.Bytes(out.BlockTime.data(), out.BlockTime.size());
    out.Step = r.F32();
    out.BlockExtra = r.I32();
    out.RecordCount = r.I32();
    r.Skip(4);
    return r.Ok() && r.Position() == kBlockHeaderSize;
}

ArchiveRecord ParseRecord(std::span<const uint8_t, kRecordSize> bytes) {
    LeReader r(bytes);
    ArchiveRecord rec;
    rec.Status = r.U16();
    r.Skip(2);
    rec.ValueBits = r.U32();
    return rec;
}
