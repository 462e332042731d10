// Trace text of bytes: each byte as two upper-case hexadecimal digits and a blank.
#pragma once

#include <cstdint>
#include <span>
#include <string>

std::string HexBytes(std::span<const uint8_t> bytes);
