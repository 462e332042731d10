// Little-endian numbers and length-prefixed texts at fixed offsets of a file record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/memory_stream.h"

uint16_t GetU16(const uint8_t* rec, size_t off);
uint32_t GetU32(const uint8_t* rec, size_t off);
void PutU16(uint8_t* rec, size_t off, uint16_t value);
void PutU32(uint8_t* rec, size_t off, uint32_t value);

// A length byte followed by `capacity` character bytes. A length byte above the capacity is
// taken as the capacity, so a damaged length never reaches past the field.
std::string GetShortString(const uint8_t* rec, size_t off, size_t capacity);
// Writes the length byte and the text cut to `capacity`; the bytes after the text are zero.
void PutShortString(uint8_t* rec, size_t off, size_t capacity, std::string_view text);

// Reads exactly n bytes at the stream position; false when the stream ends first.
bool ReadExact(MemoryStream& stream, uint8_t* out, size_t n);

// Number of whole records of recordSize bytes left in the stream: the most a count read
// from a file can be worth, used to bound allocations.
size_t RecordsLeft(const MemoryStream& stream, size_t recordSize);

// Four upper-case hexadecimal digits, as controller numbers are written in messages.
std::string Hex4(uint16_t value);
