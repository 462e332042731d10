// Parameter values as text by type code, and floats with fixed and automatic decimals.
#include "comm/device/param_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "comm/exchange/frame.h"
#include "platform/format_settings.h"

namespace {
TEST(FormatParamValue, ByTypeCode) {
    const struct {
        int code;
        Bytes bytes;
        const char* text;
    } cases[] = {
        {0x12, {0x34, 0x12}, ""},                        // not a typed value
        {0x92, {0x34, 0x12}, "1234"},                    // hexadecimal integer
        {0x94, {0xA1, 0xB2, 0xC3, 0xD4}, "D4C3B2A1"},    // least significant first
        {0x91, {0x05}, "05"},                            // two digits a byte
        {0xD2, {0xFE, 0xFF}, "65534"},                   // plain decimal
        {0xF2, {0xFE, 0xFF}, "-2"},                      // signed, 2 bytes
        {0xF1, {0xFF}, "-1"},                            // signed, 1 byte
        {0xF1, {0x80}, "-128"},                          //
        {0xF1, {0x7F}, "127"},                           //
        {0xF2, {0xFF, 0x7F}, "32767"},                   //
        {0xF4, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},          // signed, 4 bytes
        {0xD4, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},  //
        {0xC1, {0x09}, "9 "},                            // bytes in decimal
        {0x84, {0xD4, 0xC3, 0xB2, 0xA1}, "D4 C3 B2 A1 "},
        {0x83, {0x0A, 0xFF, 0x00}, "0A FF 00 "},
        {0x88, {'A', 'B', 0x01, 'C'}, "AB"},          // text stops before a control byte
        {0x8F, {'V', '1', '.', '2'}, "V1.2"},         // text takes precedence over integer
        {0xC8, {'A', 'B'}, "65 66 "},                 // decimal text mode is not text
        {0x88, {0xD2, 0xE5, 0xF1, 0xF2, 0}, "Тест"},  // the controllers' code page
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatParamValue(c.code, c.bytes), c.text) << std::hex << c.code;
}

TEST(ParamTypeSize, Codes) {
    const int codes[][2] = {{0, 1},    {4, 4},    {5, 4},    {6, 4},
                            {0xC1, 1}, {0x84, 4}, {0x92, 2}, {7, 7}};
    for (const auto& c : codes)
        EXPECT_EQ(ParamTypeSize(c[0]), c[1]) << c[0];
}

TEST(FormatParamFloat, DecimalsFixedAndByMagnitude) {
    FormatSettings& fs = CurrentFormatSettings();
    const FormatSettings saved = fs;
    fs.DecimalSeparator = ',';
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {12.34567, -1, "12,3457"}, {-49.9, -1, "-49,9000"}, {50, -1, "50,000"},
        {299.5, -1, "299,500"},    {300, -1, "300,00"},     {-999.5, -1, "-999,50"},
        {5000, -1, "5000,0"},      {3.14159, 2, "3,14"},    {1, 0, " 1"},
        {NAN, 2, "***"},           {NAN, -1, "***"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatParamFloat(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
    fs.DecimalSeparator = '.';
    EXPECT_EQ(FormatParamFloat(2.5, 1), "2.5");
    fs = saved;
}
}  // namespace
