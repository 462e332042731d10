// BCD date-times, record time normalising and stepping, value decoding and the CRC.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string>

#include "model/flash/archive_time.h"
#include "model/flash/archive_value.h"
#include "model/flash/crc16.h"

namespace {
RawTime Bcd(uint8_t day, uint8_t month, uint8_t year, uint8_t second, uint8_t minute,
            uint8_t hour) {
    return RawTime{0, day, month, year, 0, second, minute, hour};
}

TEST(BcdDateTime, DecodesFieldsAndRejectsOutOfRange) {
    struct Case {
        const char* what;
        RawTime raw;
        TDateTime expected;
    } cases[] = {
        {"full", Bcd(0x15, 0x06, 0x24, 0x30, 0x45, 0x13), EncodeDateTime(2024, 6, 15, 13, 45, 30)},
        {"hour 24 keeps the date", Bcd(0x15, 0x06, 0x24, 0x30, 0x45, 0x24),
         EncodeDate(2024, 6, 15)},
        {"minute 60", Bcd(0x15, 0x06, 0x24, 0x00, 0x60, 0x10), EncodeDate(2024, 6, 15)},
        {"hour not BCD", Bcd(0x15, 0x06, 0x24, 0x00, 0x00, 0x1A), EncodeDate(2024, 6, 15)},
        {"month 13", Bcd(0x15, 0x13, 0x24, 0, 0, 0), 0},
        {"month 0", Bcd(0x15, 0x00, 0x24, 0, 0, 0), 0},
        {"day 0", Bcd(0x00, 0x06, 0x24, 0, 0, 0), 0},
        {"day 32", Bcd(0x32, 0x06, 0x24, 0, 0, 0), 0},
        {"31 February", Bcd(0x31, 0x02, 0x24, 0, 0, 0), 0},
        {"year not BCD", Bcd(0x15, 0x06, 0xF0, 0, 0, 0), 0},
        {"day not BCD", Bcd(0x0F, 0x06, 0x24, 0, 0, 0), 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DecodeBcdDateTime(c.raw), c.expected) << c.what;
}

TEST(BcdDateTime, EncodeRoundTrips) {
    TDateTime t = EncodeDateTime(2031, 12, 31, 23, 59, 58);
    EXPECT_DOUBLE_EQ(DecodeBcdDateTime(EncodeBcdDateTime(t)), t);
}

TEST(NormaliseTime, RoundsRecordTimesPerKind) {
    struct Case {
        int kind;
        TDateTime in, expected;
    } cases[] = {
        {0, EncodeDateTime(2023, 3, 10, 12, 59, 59), EncodeDateTime(2023, 3, 10, 13, 0, 0)},
        {0, EncodeDateTime(2023, 3, 10, 23, 59, 59), EncodeDateTime(2023, 3, 11, 0, 0, 0)},
        {0, EncodeDateTime(2023, 3, 10, 12, 30, 10), EncodeDateTime(2023, 3, 10, 12, 0, 0)},
        // A time a hair below the hour, as a single-precision step leaves it.
        {0, EncodeDateTime(2023, 3, 10, 13, 0, 0) - 1e-9, EncodeDateTime(2023, 3, 10, 13, 0, 0)},
        {3, EncodeDateTime(2023, 3, 10, 10, 29, 59), EncodeDateTime(2023, 3, 10, 10, 29, 0)},
        {3, EncodeDateTime(2023, 3, 10, 10, 59, 59), EncodeDateTime(2023, 3, 10, 11, 0, 0)},
        {4, EncodeDateTime(2023, 3, 10, 10, 30, 45), EncodeDateTime(2023, 3, 10, 10, 30, 0)},
        {1, EncodeDateTime(2023, 3, 10, 23, 59, 59), EncodeDate(2023, 3, 10)},
        {2, EncodeDateTime(2023, 3, 10, 8, 0, 0), EncodeDate(2023, 3, 10)},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NormaliseTime(c.kind, c.in), c.expected) << "kind " << c.kind;
    EXPECT_TRUE(std::isnan(NormaliseTime(0, std::nan(""))));
    EXPECT_EQ(NormaliseTime(0, 1e300), 1e300);
}

TEST(StepTime, MonthlyStepsByCalendarMonth) {
    TDateTime endOfMarch = EncodeDate(2024, 3, 31);
    EXPECT_DOUBLE_EQ(StepTime(2, endOfMarch, true, 99.0f), EncodeDate(2024, 2, 1));
    EXPECT_DOUBLE_EQ(StepTime(2, endOfMarch, false, 99.0f), EncodeDate(2024, 4, 1));
    EXPECT_DOUBLE_EQ(StepTime(1, endOfMarch, true, 1.0f), EncodeDate(2024, 3, 30));
}

TEST(ArchiveValue, NoValueBitPatterns) {
    auto bits = [](float f) { return std::bit_cast<uint32_t>(f); };
    struct Case {
        uint32_t bits;
        double expected;
    } cases[] = {
        {0xFFFFFFFFu, NoValue},
        {bits(1e-30f), NoValue},
        {bits(-1e-30f), NoValue},
        {bits(3.0e38f), NoValue},
        {bits(-3.1e38f), NoValue},
        {0x7F800000u, NoValue},  // infinity
        {0x7FC00000u, NoValue},  // NaN
        {bits(0.0f), 0.0},
        {bits(-0.0f), 0.0},
        {bits(1e-20f), static_cast<double>(1e-20f)},
        {bits(72.5f), 72.5},
        {bits(-12.25f), -12.25},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeArchiveValue(c.bits), c.expected) << std::hex << c.bits;
}

TEST(Crc16, MatchesTheCheckValueAndEndsAtZeroWithItsOwnCrc) {
    std::string text = "123456789";
    std::vector<uint8_t> bytes(text.begin(), text.end());
    uint16_t crc = Crc16Update(kCrc16Start, bytes);
    EXPECT_EQ(crc, 0x6F91);
    bytes.push_back(static_cast<uint8_t>(crc & 0xFF));
    bytes.push_back(static_cast<uint8_t>(crc >> 8));
    EXPECT_EQ(Crc16Update(kCrc16Start, bytes), 0);
}
}  // namespace
