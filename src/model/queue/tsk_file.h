// Byte layout of a task-queue file (.tsk): the 128-byte header, and whole files built from
// plain structs (task records each followed by their parameter records).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/algorithms/alg_file.h"
#include "model/tasks/task_records.h"

inline constexpr size_t TskHeaderSize = 128;

struct TskHeader {
    std::string QueueName;       // up to 47 characters
    uint16_t IdFlags = 0;        // low four bits all set: IdTable[0] is the queue identifier
    std::string QueueShortName;  // up to 8 characters
    uint8_t Kept59 = 0;
    uint16_t ModuleWord60 = 0;  // factory number of the controller
    uint16_t NetworkWord62 = 0;
    uint16_t ModuleNumber = 0;
    uint16_t Kept66 = 0;
    uint32_t IdTable[7] = {};
    uint32_t SecondTable[7] = {};
    uint16_t TaskCount = 0;
    uint16_t Kept126 = 0;
};

TskHeader DecodeTskHeader(const uint8_t* rec);
void EncodeTskHeader(const TskHeader& h, uint8_t* rec);
// True when the low four bits of IdFlags are all set.
bool IdFlagsValid(uint16_t idFlags);

struct TskTaskBlock {
    TaskRecord Task;
    std::vector<ParamRecord> Records;  // text parameters already split into their records
};

struct TskFile {
    TskHeader Header;
    std::vector<TskTaskBlock> Tasks;
};

// The file bytes; the header's TaskCount and each task's ParamCount are written as given.
std::vector<uint8_t> EncodeTskFile(const TskFile& file);
// The records of a text parameter of n characters: ceil(n / 4) copies of `record` whose
// bytes 62-65 carry the text padded with spaces (or cut) to n, zero after the end.
std::vector<ParamRecord> SplitTextRecords(const ParamRecord& record, const std::string& text,
                                          int n);
// The records of a disabled task of `alg` with the algorithm's default values, as template
// queues hold them.
TskTaskBlock DefaultTaskBlock(const AlgFile& alg);
