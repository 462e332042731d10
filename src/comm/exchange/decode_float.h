// Archive and parameter values: 4-byte IEEE singles, least significant byte first.
#pragma once

#include <cstdint>
#include <span>

// A quiet NaN for FF FF FF FF, for a pattern that is not a finite number and for a magnitude
// of 3e30 or more; 0 for a magnitude of at most 1e-25.
double DecodeFloat(std::span<const uint8_t, 4> bytes);
