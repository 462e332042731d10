// Byte layout of a module description file (.mod) and its decoding and encoding.
#include "model/modules/mod_file.h"

#include <algorithm>
#include <array>

#include "model/binary/le_fields.h"

namespace {
constexpr size_t kName = 0, kAreaBase = 58, kModuleNumber = 60, kAreaLimit = 62, kAreaTable = 68,
                 kAlgCount = 100, kKept102 = 102;
constexpr size_t eUnused = 0, eAlgNumber = 2, eAlgInternal = 4;
}  // namespace

ModHeader DecodeModHeader(const uint8_t* rec) {
    ModHeader h;
    h.ModuleName = GetShortString(rec, kName, 57);
    h.AreaBase = GetU16(rec, kAreaBase);
    h.ModuleNumber = GetU16(rec, kModuleNumber);
    for (int i = 0; i < 3; ++i)
        h.AreaLimit[i] = GetU16(rec, kAreaLimit + 2 * i);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            h.AreaTable[row][col] = GetU32(rec, kAreaTable + 16 * row + 4 * col);
    h.AlgCount = GetU16(rec, kAlgCount);
    h.Kept102 = GetU16(rec, kKept102);
    return h;
}

void EncodeModHeader(const ModHeader& h, uint8_t* rec) {
    std::fill(rec, rec + ModHeaderSize, 0);
    PutShortString(rec, kName, 57, h.ModuleName);
    PutU16(rec, kAreaBase, h.AreaBase);
    PutU16(rec, kModuleNumber, h.ModuleNumber);
    for (int i = 0; i < 3; ++i)
        PutU16(rec, kAreaLimit + 2 * i, h.AreaLimit[i]);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            PutU32(rec, kAreaTable + 16 * row + 4 * col, h.AreaTable[row][col]);
    PutU16(rec, kAlgCount, h.AlgCount);
    PutU16(rec, kKept102, h.Kept102);
}

bool ReadModFile(MemoryStream& stream, ModFile& out) {
    std::array<uint8_t, ModHeaderSize> buf;
    if (!ReadExact(stream, buf.data(), ModHeaderSize))
        return false;
    out.Header = DecodeModHeader(buf.data());
    out.Entries.reserve(
        std::min<size_t>(out.Header.AlgCount, RecordsLeft(stream, ModAlgEntrySize)));
    for (unsigned i = 0; i < out.Header.AlgCount; ++i) {
        if (!ReadExact(stream, buf.data(), ModAlgEntrySize))
            return false;
        out.Entries.push_back({GetU16(buf.data(), eUnused), GetU16(buf.data(), eAlgNumber),
                               GetU16(buf.data(), eAlgInternal)});
    }
    return true;
}

std::vector<uint8_t> EncodeModFile(const ModFile& file) {
    std::vector<uint8_t> bytes(ModHeaderSize + file.Entries.size() * ModAlgEntrySize, 0);
    EncodeModHeader(file.Header, bytes.data());
    size_t at = ModHeaderSize;
    for (const auto& e : file.Entries) {
        PutU16(bytes.data(), at + eUnused, e.Unused);
        PutU16(bytes.data(), at + eAlgNumber, e.AlgNumber);
        PutU16(bytes.data(), at + eAlgInternal, e.AlgInternal);
        at += ModAlgEntrySize;
    }
    return bytes;
}
