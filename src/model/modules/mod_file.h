// Byte layout of a module description file (.mod): the 104-byte header and the 6-byte
// algorithm entries, with their decoders and encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/memory_stream.h"

inline constexpr size_t ModHeaderSize = 104;
inline constexpr size_t ModAlgEntrySize = 6;

struct ModHeader {
    std::string ModuleName;  // up to 57 characters
    uint16_t AreaBase = 0;   // high byte: first 256-number page of the task area
    uint16_t ModuleNumber = 0;
    uint16_t AreaLimit[3] = {0, 0, 0};  // bytes for task table, parameter area, flexible table
    uint32_t AreaTable[2][4] = {};      // row 1: start address of each memory bank
    uint16_t AlgCount = 0;
    uint16_t Kept102 = 0;
};

struct ModAlgEntry {
    uint16_t Unused = 0;
    uint16_t AlgNumber = 0;
    uint16_t AlgInternal = 0;
};

struct ModFile {
    ModHeader Header;
    std::vector<ModAlgEntry> Entries;
};

ModHeader DecodeModHeader(const uint8_t* rec);
void EncodeModHeader(const ModHeader& h, uint8_t* rec);
// Reads the header and then AlgCount entries; false when the stream ends first (what was
// read before stays in `out`).
bool ReadModFile(MemoryStream& stream, ModFile& out);
// The file bytes; the header's AlgCount is written as given.
std::vector<uint8_t> EncodeModFile(const ModFile& file);
