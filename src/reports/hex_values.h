// Hexadecimal values of report and link files: written without prefix, read as hexadecimal.
#pragma once

#include <string>

class IniFile;

// The value of the key read as hexadecimal (surrounding blanks ignored); def when the key is
// absent or its value is not a hexadecimal number that fits in 32 bits.
long long ReadHexKey(const IniFile& ini, const std::string& section, const std::string& key,
                     long long def);
// value as upper-case hexadecimal with at least `digits` digits.
std::string HexDigits(unsigned value, int digits);
