// One parameter value of a task.
#pragma once

#include <cstdint>
#include <string>

// Value1/Value2 mean: for a reference, the internal number pointed to (0xFFFF nowhere) and
// a second word (the memory bank); for a text, the slot Value1 + 65536 * Value2 of the
// task's texts; for any other value, its bytes Value1 low, Value1 high, Value2 low, high.
struct TTaskParamEntry {
    std::string Name;       // up to 50 characters
    std::string ShortName;  // up to 8 characters
    uint16_t Value1 = 0;
    uint16_t Value2 = 0;
    uint16_t FormatCode = 0;
    uint16_t InternalNumber = 0;
    int32_t Position = 0;  // position of the parameter in the algorithm
};
