// Byte layout of an algorithm descriptor file (.alg) and its decoding and encoding.
#include "model/algorithms/alg_file.h"

#include <algorithm>
#include <array>

#include "model/binary/le_fields.h"

namespace {
// Header offsets.
constexpr size_t kName = 0, kShortName = 49, kNumber = 58, kHasDescription = 60, kReserved1 = 62,
                 kParamCount = 64, kReserved2 = 66, kWord68 = 68;
// Parameter record offsets.
constexpr size_t pInternal = 2, pName = 4, pItemCount = 56, pShortName = 58, pItemSize = 67,
                 pType = 68, pFlagsA = 69, pFlagsB = 70, pFlagsC = 71;
// Description block: skipped bytes, then the text.
constexpr size_t dText = 4;
}  // namespace

AlgHeader DecodeAlgHeader(const uint8_t* rec) {
    AlgHeader h;
    h.Name = GetShortString(rec, kName, 48);
    h.ShortName = GetShortString(rec, kShortName, 8);
    h.Number = GetU16(rec, kNumber);
    h.HasDescription = GetU16(rec, kHasDescription);
    h.Reserved1 = GetU16(rec, kReserved1);
    h.ParamCount = GetU16(rec, kParamCount);
    h.Reserved2 = GetU16(rec, kReserved2);
    h.Word68 = GetU16(rec, kWord68);
    return h;
}

void EncodeAlgHeader(const AlgHeader& h, uint8_t* rec) {
    std::fill(rec, rec + AlgHeaderSize, 0);
    PutShortString(rec, kName, 48, h.Name);
    PutShortString(rec, kShortName, 8, h.ShortName);
    PutU16(rec, kNumber, h.Number);
    PutU16(rec, kHasDescription, h.HasDescription);
    PutU16(rec, kReserved1, h.Reserved1);
    PutU16(rec, kParamCount, h.ParamCount);
    PutU16(rec, kReserved2, h.Reserved2);
    PutU16(rec, kWord68, h.Word68);
}

AlgParamRecord DecodeAlgParamRecord(const uint8_t* rec) {
    AlgParamRecord p;
    p.InternalNumber = GetU16(rec, pInternal);
    p.Name = GetShortString(rec, pName, 51);
    p.ItemCount = GetU16(rec, pItemCount);
    p.ShortName = GetShortString(rec, pShortName, 8);
    p.ItemSize = rec[pItemSize];
    p.TypeCode = rec[pType];
    p.FlagsA = rec[pFlagsA];
    p.FlagsB = rec[pFlagsB];
    p.FlagsC = rec[pFlagsC];
    return p;
}

void EncodeAlgParamRecord(const AlgParamRecord& p, uint8_t* rec) {
    std::fill(rec, rec + AlgParamRecordSize, 0);
    PutU16(rec, pInternal, p.InternalNumber);
    PutShortString(rec, pName, 51, p.Name);
    PutU16(rec, pItemCount, p.ItemCount);
    PutShortString(rec, pShortName, 8, p.ShortName);
    rec[pItemSize] = p.ItemSize;
    rec[pType] = p.TypeCode;
    rec[pFlagsA] = p.FlagsA;
    rec[pFlagsB] = p.FlagsB;
    rec[pFlagsC] = p.FlagsC;
}

uint8_t TranslateTypeCode(uint8_t stored) {
    switch (stored) {
        case 1:
            return 0x81;
        case 2:
            return 0xC4;
        case 3:
            return 0x92;
        default:
            return stored;
    }
}

TAlgParamDesc ParamDescFromRecord(const AlgParamRecord& r) {
    TAlgParamDesc d;
    d.Name = r.Name;
    d.ShortName = r.ShortName;
    d.InternalNumber = r.InternalNumber;
    d.ValueType = TranslateTypeCode(r.TypeCode);
    d.ItemSize = r.ItemSize;
    d.ItemCount = r.ItemCount;
    d.AFlag = (r.FlagsA & 1) == 0;
    d.IsReference = (r.FlagsB & 1) == 0;
    d.ArchiveKind = d.IsReference ? static_cast<uint8_t>(r.FlagsA >> 4) : 0;
    d.FormatBitsA = (r.FlagsB >> 1) & 3;
    d.FormatBitsB = (r.FlagsB >> 3) & 3;
    d.IsText = (r.FlagsC & 1) != 0;
    d.CKind = (r.FlagsC >> 1) & 7;
    d.CKindIs4 = d.CKind == 4;
    return d;
}

bool ReadAlgFile(MemoryStream& stream, bool readParams, AlgFile& out) {
    std::array<uint8_t, AlgDescriptionSize> buf;
    if (!ReadExact(stream, buf.data(), AlgHeaderSize))
        return false;
    out.Header = DecodeAlgHeader(buf.data());
    if (!readParams)
        return true;
    out.Params.reserve(
        std::min<size_t>(out.Header.ParamCount, RecordsLeft(stream, AlgParamRecordSize)));
    for (unsigned i = 0; i < out.Header.ParamCount; ++i) {
        if (!ReadExact(stream, buf.data(), AlgParamRecordSize))
            return false;
        out.Params.push_back(DecodeAlgParamRecord(buf.data()));
    }
    if (out.Header.HasDescription != 0) {
        if (!ReadExact(stream, buf.data(), AlgDescriptionSize))
            return false;
        out.Description = GetShortString(buf.data(), dText, 255);
    }
    return true;
}

std::vector<uint8_t> EncodeAlgFile(const AlgFile& file) {
    size_t size = AlgHeaderSize + file.Params.size() * AlgParamRecordSize +
                  (file.Header.HasDescription != 0 ? AlgDescriptionSize : 0);
    std::vector<uint8_t> bytes(size, 0);
    EncodeAlgHeader(file.Header, bytes.data());
    size_t at = AlgHeaderSize;
    for (const auto& p : file.Params) {
        EncodeAlgParamRecord(p, bytes.data() + at);
        at += AlgParamRecordSize;
    }
    if (file.Header.HasDescription != 0)
        PutShortString(bytes.data(), at + dText, 255, file.Description);
    return bytes;
}

uint8_t MakeFlagsA(bool aFlag, uint8_t archiveKind) {
    return static_cast<uint8_t>((aFlag ? 0 : 1) | (archiveKind << 4));
}

uint8_t MakeFlagsB(bool isReference, uint8_t formatBitsA, uint8_t formatBitsB) {
    return static_cast<uint8_t>((isReference ? 0 : 1) | ((formatBitsA & 3) << 1) |
                                ((formatBitsB & 3) << 3));
}

uint8_t MakeFlagsC(bool isText, uint8_t cKind) {
    return static_cast<uint8_t>((isText ? 1 : 0) | ((cKind & 7) << 1));
}
