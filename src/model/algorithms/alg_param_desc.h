// One parameter of an algorithm as the program holds it.
#pragma once

#include <cstdint>
#include <string>

// Value type 7 marks a text value in a task image.
inline constexpr uint8_t TextValueType = 7;

struct TAlgParamDesc {
    std::string Name;       // up to 51 characters, cp1251
    std::string ShortName;  // up to 8 characters, cp1251
    uint16_t InternalNumber = 0;
    uint8_t ValueType = 0;  // after the translation of the stored type code
    uint8_t ItemSize = 0;
    uint16_t ItemCount = 0;  // 0 means a single element
    bool AFlag = false;
    uint8_t ArchiveKind = 0;  // 1-5 names an archive kind, anything else none
    bool IsReference = false;
    uint8_t FormatBitsA = 0;
    uint8_t FormatBitsB = 0;
    bool IsText = false;
    bool CKindIs4 = false;
    uint8_t CKind = 0;
};

// The format code a task stores with a reference parameter.
uint16_t ParamFormatCode(const TAlgParamDesc& p);
