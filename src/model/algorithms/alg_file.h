// Byte layout of an algorithm descriptor file (.alg): header, parameter records and the
// optional description block, as plain structs with their decoders and encoders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/algorithms/alg_param_desc.h"
#include "platform/memory_stream.h"

inline constexpr size_t AlgHeaderSize = 70;
inline constexpr size_t AlgParamRecordSize = 72;
inline constexpr size_t AlgDescriptionSize = 260;

struct AlgHeader {
    std::string Name;       // up to 48 characters
    std::string ShortName;  // up to 8 characters
    uint16_t Number = 0xFFFF;
    uint16_t HasDescription = 0;
    uint16_t Reserved1 = 0;
    uint16_t ParamCount = 0;
    uint16_t Reserved2 = 0;
    uint16_t Word68 = 0;  // not interpreted on reading
};

// A parameter record as stored: the type code untranslated, the three flag bytes raw.
struct AlgParamRecord {
    uint16_t InternalNumber = 0;
    std::string Name;  // up to 51 characters
    uint16_t ItemCount = 0;
    std::string ShortName;  // up to 8 characters
    uint8_t ItemSize = 0;
    uint8_t TypeCode = 0;
    uint8_t FlagsA = 0;  // bit 0 clear: AFlag; bits 4-7: archive kind
    uint8_t FlagsB = 0;  // bit 0 clear: reference; bits 1-2, 3-4: format bits A, B
    uint8_t FlagsC = 0;  // bit 0 set: text; bits 1-3: CKind
};

struct AlgFile {
    AlgHeader Header;
    std::vector<AlgParamRecord> Params;
    std::string Description;  // up to 255 characters; empty when absent
};

AlgHeader DecodeAlgHeader(const uint8_t* rec);
void EncodeAlgHeader(const AlgHeader& h, uint8_t* rec);
AlgParamRecord DecodeAlgParamRecord(const uint8_t* rec);
void EncodeAlgParamRecord(const AlgParamRecord& p, uint8_t* rec);

// Stored type codes 1, 2 and 3 become 0x81, 0xC4 and 0x92; any other stays as it is.
uint8_t TranslateTypeCode(uint8_t stored);
TAlgParamDesc ParamDescFromRecord(const AlgParamRecord& r);

// Reads header, then (when readParams) the parameter records and the description block.
// Returns false when the stream ends early; what was read before stays in `out`.
bool ReadAlgFile(MemoryStream& stream, bool readParams, AlgFile& out);
// The file bytes; the header's ParamCount and HasDescription are written as given, the
// description block is written when HasDescription is non-zero.
std::vector<uint8_t> EncodeAlgFile(const AlgFile& file);

// Flag bytes of a parameter record composed from their meanings.
uint8_t MakeFlagsA(bool aFlag, uint8_t archiveKind);
uint8_t MakeFlagsB(bool isReference, uint8_t formatBitsA, uint8_t formatBitsB);
uint8_t MakeFlagsC(bool isText, uint8_t cKind);
