// Writing archive files from plain descriptions (the demo world and test fixtures).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/date_time.h"

struct ArchiveRecordSpec {
    uint16_t Status = 0;
    uint32_t ValueBits = 0;  // the single as stored; see RecordOf
};
ArchiveRecordSpec RecordOf(float value, uint16_t status = 0);

struct ArchiveBlockSpec {
    uint16_t BlockId = 0;
    uint16_t Depth = 0;
    std::string BlockName;       // cp1251, cut to 50 bytes
    std::string BlockShortName;  // cp1251, cut to 8 bytes
    TDateTime BlockTime = 0;     // first record (double times) or last record (BCD times)
    float Step = 0;
    int32_t BlockExtra = 0;
    std::vector<ArchiveRecordSpec> Records;
    std::optional<int32_t> RecordCount;  // stored count; default the number of records
};

struct ArchiveFileSpec {
    bool Bcd = true;                  // BCD date-times (negative signature)
    bool Crc = true;                  // CRC mark and trailing CRC; only with Bcd
    std::optional<double> Signature;  // stored as given instead of the one the flags choose
    uint32_t SeriesId = 0;
    uint16_t ModuleWord = 0;
    TDateTime FileTime = 0;
    uint16_t ModuleNumber = 4;
    std::vector<ArchiveBlockSpec> Blocks;
    std::optional<int32_t> BlockCount;  // stored count; default the number of blocks
};

std::vector<uint8_t> EncodeArchiveFile(const ArchiveFileSpec& spec);
// Written atomically; false on failure.
bool WriteArchiveFile(const std::string& path, const ArchiveFileSpec& spec);
