// The two fixed-size records of a task in a task-queue file: the 80-byte task record and
// the 84-byte parameter record, with their decoders and encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr size_t TaskRecordSize = 80;
inline constexpr size_t ParamRecordSize = 84;

struct TaskRecord {
    std::string Name;       // up to 50 characters
    std::string ShortName;  // up to 8 characters
    uint16_t TaskIndex = 0;
    uint16_t AlgNumber = 0;
    uint16_t Word64 = 0;
    uint8_t Flags = 0;  // bit 0 enabled, bits 1-3 timer group
    uint8_t Byte67 = 0;
    uint16_t Word68 = 0;
    uint32_t Dword72 = 0;
    uint16_t Word76 = 0;
    uint16_t ParamCount = 0;  // parameter records that follow in the file
};

struct ParamRecord {
    uint16_t TaskIndex = 0;  // written; ignored on reading
    std::string Name;        // up to 50 characters
    std::string ShortName;   // up to 8 characters
    uint16_t Value1 = 0;     // in a text record: characters 1-2 of a four-character piece
    uint16_t Value2 = 0;     // in a text record: characters 3-4
    uint16_t FormatCode = 0;
    uint16_t InternalNumber = 0;
    uint32_t Position = 0;     // written; ignored on reading
    uint32_t ArchiveKind = 0;  // written; ignored on reading
    uint8_t One = 1;           // written; ignored on reading
};

TaskRecord DecodeTaskRecord(const uint8_t* rec);
// Byte67 is written as given; TParam::SaveTaskRecord sets it to 0.
void EncodeTaskRecord(const TaskRecord& t, uint8_t* rec);
ParamRecord DecodeParamRecord(const uint8_t* rec);
void EncodeParamRecord(const ParamRecord& p, uint8_t* rec);

// Offset of Value1 in a parameter record: bytes 62-65 carry four text characters.
inline constexpr size_t ParamRecordTextOffset = 62;
