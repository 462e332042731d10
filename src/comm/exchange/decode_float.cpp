// Decoding of 4-byte controller values into numbers or the no-value result.
#include "comm/exchange/decode_float.h"

#include <bit>
#include <cmath>
#include <limits>

double DecodeFloat(std::span<const uint8_t, 4> bytes) {
    const uint32_t pattern =
        static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
        (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    const double value = std::bit_cast<float>(pattern);
    if (pattern == 0xFFFFFFFFu || !std::isfinite(value) || std::fabs(value) >= 3e30)
        return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(value) <= 1e-25)
        return 0.0;
    return value;
}
