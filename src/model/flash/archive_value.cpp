// Values of archive records: the NoValue rules.
#include "model/flash/archive_value.h"

#include <bit>
#include <cmath>

double DecodeArchiveValue(uint32_t valueBits) {
    if (valueBits == 0xFFFFFFFFu)
        return NoValue;
    double v = std::bit_cast<float>(valueBits);
    double mag = std::fabs(v);
    if (std::isnan(v) || mag >= 3e38 || (v != 0 && mag <= 1e-25))
        return NoValue;
    return v;
}
