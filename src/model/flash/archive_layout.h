// Byte layout of flash-disk archive files: header, block and record fields and their sizes.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

inline constexpr size_t kSignatureHeaderSize = 16;
inline constexpr size_t kFileHeaderSize = 16;
inline constexpr size_t kHeadersSize = kSignatureHeaderSize + kFileHeaderSize;
inline constexpr size_t kBlockHeaderSize = 88;
inline constexpr size_t kRecordSize = 8;
inline constexpr size_t kBlockNameMax = 50;
inline constexpr size_t kBlockShortNameMax = 8;

// Module numbers below this belong to the old layout of earlier controller models.
inline constexpr uint16_t kFirstCurrentModuleNumber = 4;

// A date-time field as stored: a double, or BCD fields when the signature is negative.
using RawTime = std::array<uint8_t, 8>;

// Signature header and file header, as stored.
struct ArchiveHeaders {
    double Signature = 0;
    uint8_t SignatureByte0 = 0;
    uint32_t SeriesId = 0;
    uint16_t ModuleWord = 0;
    RawTime FileTime{};
    int32_t BlockCount = 0;
    uint16_t ModuleNumber = 0;

    // A positive or NaN signature makes the file invalid.
    bool SignatureValid() const { return !std::isnan(Signature) && Signature <= 0; }
    bool IsBcd() const { return Signature < 0; }
    bool HasCrcMark() const { return Signature < 0 && SignatureByte0 == 1; }
    bool IsCurrentLayout() const { return ModuleNumber >= kFirstCurrentModuleNumber; }
};

struct BlockHeader {
    uint16_t BlockId = 0;
    uint16_t Depth = 0;
    std::string BlockName;                                     // cp1251, at most 50 bytes
    std::array<uint8_t, kBlockShortNameMax> BlockShortName{};  // the eight character bytes
    RawTime BlockTime{};
    float Step = 0;
    int32_t BlockExtra = 0;
    int32_t RecordCount = 0;
};

struct ArchiveRecord {
    uint16_t Status = 0;
    uint32_t ValueBits = 0;  // the IEEE-754 single as stored
};

// Each parser reads exactly its field block; false when the bytes are too few.
bool ParseArchiveHeaders(std::span<const uint8_t> bytes, ArchiveHeaders& out);
bool ParseBlockHeader(std::span<const uint8_t> bytes, BlockHeader& out);
ArchiveRecord ParseRecord(std::span<const uint8_t, kRecordSize> bytes);
