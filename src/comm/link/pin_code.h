// Stored form of a SIM PIN in the link settings: every byte xor 0xA7 as two hexadecimal digits.
#pragma once

#include <stdexcept>
#include <string>

// Each byte of pin, xor 0xA7, as two upper-case hexadecimal digits; "" for an empty PIN.
std::string EncodePin(const std::string& pin);

// Thrown by DecodePin when a pair of characters is not a hexadecimal byte.
class EPinConvert : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Reverses EncodePin: pairs of digits from the left (a final single digit is ignored), each
// read as a byte and xor 0xA7. A pair that is not hexadecimal throws EPinConvert.
std::string DecodePin(const std::string& stored);
