// Values of archive records: the NoValue rules.
#pragma once

#include <cstdint>

// What a record reads as when the controller had no value.
inline constexpr double NoValue = 3e38;

// The stored single as a double: NoValue for all bits set, NaN, a magnitude of at least
// 3e38, or a non-zero magnitude of at most 1e-25.
double DecodeArchiveValue(uint32_t valueBits);
