// CRC-16 of archive files (reflected polynomial 0x8408, start 0xFFFF, no final XOR).
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Continues a CRC over more bytes; start with kCrc16Start.
inline constexpr uint16_t kCrc16Start = 0xFFFF;
uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> bytes);

// CRC of the whole file; false when the file cannot be read. A file that ends with the CRC
// of all bytes before it (low byte first) gives 0.
bool FileCrc16(const std::string& path, uint16_t& crc);
