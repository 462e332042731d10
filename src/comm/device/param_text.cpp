// ReadParamText and the formatting of parameter values by type code.
#include "comm/device/param_text.h"

#include <cmath>
#include <cstdio>

#include "comm/device/device_link.h"
#include "comm/device/module_reads.h"
#include "comm/exchange/decode_float.h"
#include "platform/codepage.h"

namespace {
constexpr int kTyped = 0x80, kDecimal = 0x40, kSigned = 0x20, kInteger = 0x10, kText = 0x08;

std::string Printf(const char* format, auto... args) {
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

int AutoDecimals(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude < 50)
        return 4;
    if (magnitude < 300)
        return 3;
    return magnitude < 1000 ? 2 : 1;
}
}  // namespace

int ParamTypeSize(int code) {
    if (code == 0)
        return 1;
    if (code >= 4 && code <= 6)
        return 4;
    return code & 0x07;
}

std::string FormatParamValue(int code, std::span<const uint8_t> bytes) {
    if ((code & kTyped) == 0)
        return {};
    const bool decimal = (code & kDecimal) != 0;
    if (!decimal && (code & kText) != 0) {
        std::string text;
        for (uint8_t b : bytes) {
            if (b < 32)
                break;
            text += static_cast<char>(b);
        }
        // The controllers keep their texts in cp1251.
        return SysToUtf8(text);
    }
    if ((code & kInteger) != 0) {
        const size_t size = std::min<size_t>(bytes.size(), 4);
        uint32_t value = 0;
        for (size_t i = size; i-- > 0;)
            value = (value << 8) | bytes[i];
        if (!decimal)
            return size == 0 ? std::string() : Printf("%0*X", static_cast<int>(size * 2), value);
        if ((code & kSigned) != 0 && size > 0) {
            // A signed value of fewer than 4 bytes keeps its sign.
            const int unused = static_cast<int>(32 - 8 * size);
            const auto signedValue = static_cast<int32_t>(value << unused) >> unused;
            return std::to_string(signedValue);
        }
        return std::to_string(value);
    }
    std::string text;
    for (uint8_t b : bytes) {
        text += decimal ? std::to_string(b) : Printf("%02X", b);
        text += ' ';
    }
    return text;
}

std::string FormatParamFloat(double value, int decimals) {
    if (std::isnan(value))
        return "***";
    if (decimals < 0)
        decimals = AutoDecimals(value);
    std::string text = Printf("%2.*f", decimals, value);
    for (char& c : text) {
        if (c == '.')
            c = CurrentFormatSettings().DecimalSeparator;
    }
    return text;
}

int ReadParamText(int address, int number, int typeCode, int extNumber, std::string& message,
                  std::string& text, int decimals) {
    text.clear();
    if (!LinkedExchange(message))
        return kNoLink;
    int code = kOk;
    if (typeCode == 5 || typeCode == 6) {
        TDateTime value = 0;
        code = typeCode == 5 ? ReadModuleTime(address, extNumber, value)
                             : ReadModuleDate(address, extNumber, value);
        if (code == kOk)
            text = FormatDateTime(typeCode == 5 ? "hh:nn:ss" : "dd/mm/yyyy", value);
        message = ErrorText(code);
        return code;
    }
    Bytes data;
    code =
        ReadModuleParam(address, number, ParamTypeSize(typeCode), true, extNumber, message, data);
    if (code != kOk)
        return code;
    if (typeCode == 0)
        text.assign(1, !data.empty() && data[0] != 0 ? '1' : '0');
    else if (typeCode == 4)
        text = data.size() >= 4
                   ? FormatParamFloat(DecodeFloat(std::span<const uint8_t, 4>(data.data(), 4)),
                                      decimals)
                   : "***";
    else
        text = FormatParamValue(typeCode, data);
    return code;
}
