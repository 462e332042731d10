// Trace text of bytes for the exchange log.
#include "comm/exchange/hex_trace.h"

std::string HexBytes(std::span<const uint8_t> bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
        text += ' ';
    }
    return text;
}
