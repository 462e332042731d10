// CRC-16 of archive files (the parameters known as CRC-16/MCRF4XX).
#include "model/flash/crc16.h"

#include <array>
#include <fstream>
#include <vector>

namespace {
constexpr std::array<uint16_t, 256> MakeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t c = static_cast<uint16_t>(i);
        for (int b = 0; b < 8; ++b)
            c = (c & 1) ? static_cast<uint16_t>((c >> 1) ^ 0x8408) : static_cast<uint16_t>(c >> 1);
        table[i] = c;
    }
    return table;
}
constexpr std::array<uint16_t, 256> kTable = MakeTable();
}  // namespace

uint16_t Crc16Update(uint16_t crc, std::span<const uint8_t> bytes) {
    for (uint8_t b : bytes)
        crc = static_cast<uint16_t>((crc >> 8) ^ kTable[(crc ^ b) & 0xFF]);
    return crc;
}

bool FileCrc16(const std::string& path, uint16_t& crc) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    crc = kCrc16Start;
    std::vector<uint8_t> buf(65536);
    while (in) {
        in.read(reinterpret_cast<char*>(buf.data()), buf.size());
        crc = Crc16Update(crc, std::span(buf.data(), static_cast<size_t>(in.gcount())));
    }
    return in.eof();
}
