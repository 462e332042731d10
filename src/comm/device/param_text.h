// Parameter values as text by their one-byte type code.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Type code bits: 80h typed value, 40h decimal (clear: hexadecimal), 20h signed, 10h
// integer number, 08h text; bits 0..2 the size in bytes.
// Bytes of a value: 1 for code 0, 4 for codes 4, 5 and 6, else the low three bits.
int ParamTypeSize(int code);

// The bytes as text by type code; empty unless bit 7 is set. Text values (cp1251 in the
// controller) are given in UTF-8.
std::string FormatParamValue(int code, std::span<const uint8_t> bytes);

// A float in width 2 with the given decimal places; a negative count picks them by
// magnitude (4 below 50, 3 below 300, 2 below 1000, 1 above). "***" for no value.
std::string FormatParamFloat(double value, int decimals);

// Reads a parameter and gives it as text: code 0 a flag, 4 a float, 5 the module's time,
// 6 its date (number unused for both), any other code FormatParamValue.
int ReadParamText(int address, int number, int typeCode, int extNumber, std::string& message,
                  std::string& text, int decimals);
