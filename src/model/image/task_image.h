// The controller-side image of a task queue: task table, parameter area and table of
// flexible-parameter descriptors, each a byte list cut into 4-byte groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using ImageGroup = std::array<uint8_t, 4>;

struct BankCursor {
    uint32_t Address = 0;    // next free byte of the bank
    uint32_t FlagByte = 0;   // address of the byte that takes single flags
    uint8_t BitCounter = 8;  // next bit of the flag byte; 8 means a new byte is needed
};

struct TaskAreaImage {
    std::vector<uint8_t> TaskTable;
    std::vector<uint8_t> ParamArea;
    std::vector<uint8_t> FlexTable;        // page offsets, followed by the descriptors when
                                           // the flexible option is given
    std::vector<uint8_t> FlexDescriptors;  // the descriptors, without the flexible option
    uint16_t GroupStart[5] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    bool TaskTableFits = true;
    bool ParamAreaFits = true;
    bool FlexTableFits = true;
    uint32_t ParamBytes = 0;  // bytes of parameter area expected while decoding
    uint32_t FlexGroups = 0;  // groups of flexible table expected while decoding
    bool TasksDecoded = false;
    bool FlexDecoded = false;
    BankCursor Banks[4];
    std::string DecodeMessage;
    int FirstEnabled = -1;  // task that takes the first short-name piece

    void Clear() { *this = TaskAreaImage{}; }
};

// Number of 4-byte groups a byte list of that size is sent in.
inline size_t GroupCount(size_t bytes) {
    return (bytes + 3) / 4;
}
