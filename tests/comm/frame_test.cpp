// Request frames, answer checking in its order, routes and the CRC modes.
#include <gtest/gtest.h>

#include "comm/exchange/frame.h"

namespace {
Bytes B(std::initializer_list<int> v) {
    Bytes out;
    for (int x : v)
        out.push_back(static_cast<uint8_t>(x));
    return out;
}
}  // namespace

TEST(BuildFrame, ShortFramePadsAndSumsThePadding) {
    EXPECT_EQ(BuildFrame(B({3, 0x01, 0x00, 0xF0}), kRoutePlain, 0x41, 0x05, 0),
              B({0x10, 0x41, 0x05, 0x01, 0x00, 0xF0, 0x00, 0x37, 0x16}));
}

TEST(BuildFrame, LongFrameCountsControlAndAddress) {
    EXPECT_EQ(BuildFrame(B({5, 1, 2, 3, 4, 5}), kRoutePlain, 0x40, 0x02, 0),
              B({0x68, 7, 7, 0x68, 0x40, 0x02, 1, 2, 3, 4, 5, 0x51, 0x16}));
}

TEST(BuildFrame, RoutesPrefixOrWrapThePayload) {
    const Bytes payload = B({3, 0x01, 0x00, 0xF0});
    EXPECT_EQ(BuildFrame(payload, kRouteAdapterCommand, 0x41, 0x07, 0),
              BuildPlainFrame(0x41, 0x07, B({0x28, 0x01, 0x00, 0xF0})));
    Bytes wrapped = B({0x27, 0x14});
    const Bytes inner = BuildPlainFrame(0x41, 0x07, B({0x01, 0x00, 0xF0}));
    wrapped.insert(wrapped.end(), inner.begin(), inner.end());
    EXPECT_EQ(BuildFrame(payload, kRouteWrapped, 0x41, 0x07, 0x20),
              BuildPlainFrame(0x41, 0x20, wrapped));
}

TEST(ParseFrame, ChecksInOrderAndDeliversData) {
    const Bytes good = B({0x10, 0x03, 0x05, 1, 2, 3, 4, 0x12, 0x16});
    struct Case {
        const char* what;
        Bytes bytes;
        int expected, packet, address, kind, code;
        Bytes data;
    };
    const std::vector<Case> cases = {
        {"short frame", good, 0, 3, 5, kFrameNumbered, 0, B({1, 2, 3, 4})},
        {"noise first", B({0x00, 0x55, 0x10, 0x03, 0x05, 1, 2, 3, 4, 0x12, 0x16}), 0, 3, 5,
         kFrameNumbered, 0, B({1, 2, 3, 4})},
        {"only noise", B({0x00, 0x55}), 0, 3, 5, kFrameNumbered, 10, {}},
        {"ack", B({0xA2}), 0, 3, 5, kFrameNumbered, 13, {}},
        {"nak", B({0xE5}), 0, 3, 5, kFrameNumbered, 14, {}},
        {"long start twice",
         B({0x68, 4, 4, 0x00, 0x03, 0x05, 1, 2, 0x0B, 0x16}),
         0,
         3,
         5,
         kFrameNumbered,
         10,
         {}},
        {"length bytes",
         B({0x68, 4, 5, 0x68, 0x03, 0x05, 1, 2, 0x0B, 0x16}),
         0,
         3,
         5,
         kFrameNumbered,
         9,
         {}},
        {"packet number with 40h",
         B({0x10, 0x43, 0x05, 1, 2, 3, 4, 0x52, 0x16}),
         0,
         3,
         5,
         kFrameNumbered,
         7,
         {}},
        {"other packet number",
         B({0x10, 0x04, 0x05, 1, 2, 3, 4, 0x13, 0x16}),
         0,
         3,
         5,
         kFrameNumbered,
         7,
         {}},
        {"unnumbered ignores C", B({0x10, 0x00, 0x05, 1, 2, 3, 4, 0x0F, 0x16}), 0, 3, 5,
         kFrameUnnumbered, 0, B({1, 2, 3, 4})},
        {"address", good, 0, 3, 6, kFrameNumbered, 8, {}},
        {"checksum",
         B({0x10, 0x03, 0x05, 1, 2, 3, 4, 0x13, 0x16}),
         0,
         3,
         5,
         kFrameNumbered,
         12,
         {}},
        {"end byte",
         B({0x10, 0x03, 0x05, 1, 2, 3, 4, 0x12, 0x17}),
         0,
         3,
         5,
         kFrameNumbered,
         11,
         {}},
        {"bytes after the frame",
         B({0x10, 0x03, 0x05, 1, 2, 3, 4, 0x12, 0x16, 0x00}),
         0,
         3,
         5,
         kFrameNumbered,
         12,
         {}},
        {"cut in the middle",
         B({0x68, 8, 8, 0x68, 0x03, 0x05, 1, 2}),
         0,
         3,
         5,
         kFrameNumbered,
         12,
         {}},
        {"short to a 2-byte read", good, 2, 3, 5, kFrameNumbered, 0, B({1, 2})},
        {"long 3 bytes to a 2-byte read", B({0x68, 5, 5, 0x68, 0x03, 0x05, 1, 2, 3, 0x0E, 0x16}), 2,
         3, 5, kFrameNumbered, 17, B({1, 2, 3})},
        {"truncated header", B({0x10, 0x03}), 0, 3, 5, kFrameNumbered, 8, {}},
    };
    for (const auto& c : cases) {
        const FrameCheck check = ParseFrame(c.bytes, c.expected, c.packet, c.address, c.kind);
        EXPECT_EQ(check.code, c.code) << c.what;
        EXPECT_EQ(check.data, c.data) << c.what;
    }
}

TEST(ParseAnswer, WrappedAnswerIsCheckedTwice) {
    const Bytes inner = BuildPlainFrame(0x02, 0x07, B({9, 8}));
    const Bytes outer = BuildPlainFrame(0x02, 0x20, inner);
    const FrameCheck ok = ParseAnswer(outer, 2, 2, 7, kFrameNumbered, kRouteWrapped, 0x20);
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.data, B({9, 8}));
    EXPECT_EQ(ParseAnswer(outer, 2, 2, 8, kFrameNumbered, kRouteWrapped, 0x20).code, 8);
    EXPECT_EQ(ParseAnswer(outer, 2, 2, 7, kFrameNumbered, kRouteWrapped, 0x21).code, 8);
}

TEST(ParseFrame, CrcModesRoundTripAndCatchDamage) {
    for (ChecksumMode mode : {ChecksumMode::SumAndCrc, ChecksumMode::CrcOnly}) {
        Bytes frame = BuildPlainFrame(0x05, 0x09, B({1, 2, 3}), mode);
        EXPECT_EQ(frame[0], 0x68);
        const FrameCheck ok = ParseFrame(frame, 3, 5, 9, kFrameNumbered, mode);
        EXPECT_EQ(ok.code, 0);
        EXPECT_EQ(ok.data, B({1, 2, 3}));
        frame[7] ^= 0x01;  // a data byte
        EXPECT_EQ(ParseFrame(frame, 3, 5, 9, kFrameNumbered, mode).code, 5);
    }
    // CRC after the data, counted in the length: 68 L L 68 C A U crc crc CS 16.
    const Bytes withCrc = BuildPlainFrame(0x05, 0x09, B({1, 2, 3}), ChecksumMode::SumAndCrc);
    EXPECT_EQ(withCrc[1], 7);
    EXPECT_EQ(withCrc.back(), 0x16);
    // CRC in place of sum and end byte.
    const Bytes crcOnly = BuildPlainFrame(0x05, 0x09, B({1, 2, 3}), ChecksumMode::CrcOnly);
    EXPECT_EQ(crcOnly[1], 5);
    EXPECT_EQ(crcOnly.size(), 11u);
}

TEST(RequestControl, NumberedFramesWrapAfterFifteen) {
    EXPECT_EQ(RequestControl(kFrameNumbered, 15), 0x4F);
    EXPECT_EQ(RequestControl(kFrameNumbered, 0), 0x40);
    EXPECT_EQ(RequestControl(kFrameUnnumbered, 7), 0x40);
}

TEST(FrameBytesMissing, CountsByTheStartByteAndSkipsNoise) {
    struct Case {
        std::vector<uint8_t> received;
        size_t missing;
    } const cases[] = {
        {{}, 1},
        {{0x00, 0xFF}, 1},                          // noise only: wait for a start byte
        {{kAckByte}, 0},                            // single-byte answers
        {{0x33, kNakByte}, 0},                      // after noise
        {{kShortStart, 0x08}, 7},                   // short frame: 9 bytes
        {{kLongStart}, 3},                          // header first
        {{kLongStart, 0x05, 0x05, kLongStart}, 7},  // then length + 2 (checksum, end)
        {{kLongStart, 0x01, 0x01, kLongStart, 0x08, 0x01, 0x02}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameBytesMissing(c.received), c.missing) << ::testing::PrintToString(c.received);
}
