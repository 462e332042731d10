// Reading and formatting the hexadecimal values of report and link files.
#include "reports/hex_values.h"

#include <charconv>
#include <cstdio>

#include "platform/files.h"
#include "platform/ini_file.h"

long long ReadHexKey(const IniFile& ini, const std::string& section, const std::string& key,
                     long long def) {
    if (!ini.ValueExists(section, key))
        return def;
    const std::string text = Trim(ini.ReadString(section, key, ""));
    unsigned long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        value > 0xFFFFFFFFul)
        return def;
    return static_cast<long long>(value);
}

std::string HexDigits(unsigned value, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, value);
    return buf;
}
