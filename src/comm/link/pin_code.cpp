// EncodePin and DecodePin.
#include "comm/link/pin_code.h"

#include <charconv>

namespace {

constexpr unsigned char kPinMask = 0xA7;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

std::string EncodePin(const std::string& pin) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string stored;
    stored.reserve(pin.size() * 2);
    for (char c : pin) {
        const unsigned char b = static_cast<unsigned char>(c) ^ kPinMask;
        stored += kDigits[b >> 4];
        stored += kDigits[b & 0x0F];
    }
    return stored;
}

std::string DecodePin(const std::string& stored) {
    std::string pin;
    pin.reserve(stored.size() / 2);
    for (size_t i = 0; i + 1 < stored.size(); i += 2) {
        const char* pair = stored.data() + i;
        unsigned int byte = 0;
        if (!IsHexDigit(pair[0]) || !IsHexDigit(pair[1]))
            throw EPinConvert("'$" + std::string(pair, 2) + "' is not a valid integer value");
        std::from_chars(pair, pair + 2, byte, 16);
        pin += static_cast<char>(static_cast<unsigned char>(byte) ^ kPinMask);
    }
    return pin;
}
