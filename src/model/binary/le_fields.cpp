// Little-endian numbers and length-prefixed texts at fixed offsets of a file record.
#include "model/binary/le_fields.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

uint16_t GetU16(const uint8_t* rec, size_t off) {
    return static_cast<uint16_t>(rec[off] | (rec[off + 1] << 8));
}

uint32_t GetU32(const uint8_t* rec, size_t off) {
    return static_cast<uint32_t>(GetU16(rec, off)) |
           (static_cast<uint32_t>(GetU16(rec, off + 2)) << 16);
}

void PutU16(uint8_t* rec, size_t off, uint16_t value) {
    rec[off] = static_cast<uint8_t>(value & 0xFF);
    rec[off + 1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* rec, size_t off, uint32_t value) {
    PutU16(rec, off, static_cast<uint16_t>(value & 0xFFFF));
    PutU16(rec, off + 2, static_cast<uint16_t>(value >> 16));
}

std::string GetShortString(const uint8_t* rec, size_t off, size_t capacity) {
    size_t len = std::min<size_t>(rec[off], capacity);
    return std::string(reinterpret_cast<const char*>(rec + off + 1), len);
}

void PutShortString(uint8_t* rec, size_t off, size_t capacity, std::string_view text) {
    size_t len = std::min(text.size(), capacity);
    rec[off] = static_cast<uint8_t>(len);
    std::memcpy(rec + off + 1, text.data(), len);
    std::memset(rec + off + 1 + len, 0, capacity - len);
}

bool ReadExact(MemoryStream& stream, uint8_t* out, size_t n) {
    return stream.Read(out, n) == n;
}

size_t RecordsLeft(const MemoryStream& stream, size_t recordSize) {
    return (stream.Size() - stream.Position()) / recordSize;
}

std::string Hex4(uint16_t value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", value);
    return buf;
}
