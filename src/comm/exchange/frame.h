// FT1.2 request frames and the checking of answer frames.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Frame kinds of the exchange.
inline constexpr int kFrameCan = 10;
inline constexpr int kFrameUnnumbered = 11;
inline constexpr int kFrameNumbered = 13;

// Start and single-byte answers of FT1.2.
inline constexpr uint8_t kShortStart = 0x10;
inline constexpr uint8_t kLongStart = 0x68;
inline constexpr uint8_t kAckByte = 0xA2;
inline constexpr uint8_t kNakByte = 0xE5;
inline constexpr uint8_t kEndByte = 0x16;

// How a frame protects its contents. Sum is what the controllers speak; the two CRC modes
// (CRC-16 after the user data and before the sum, or CRC-16 in place of sum and end byte)
// are selectable from code only. In the CRC modes every frame with data is a long frame.
enum class ChecksumMode { Sum, SumAndCrc, CrcOnly };

// Request routes: 0 plain, 1 adapter command prefixed by 28h, 2 a whole frame wrapped for
// the adapter (27h 14h frame).
inline constexpr int kRoutePlain = 0;
inline constexpr int kRouteAdapterCommand = 1;
inline constexpr int kRouteWrapped = 2;

// Frame around user data U for the receiver: short (10h C A u1..u4 CS 16h, U padded with
// zeros) when U has at most 4 bytes in Sum mode, long (68h L L 68h C A U ... ) otherwise.
Bytes BuildPlainFrame(uint8_t control, uint8_t receiver, std::span<const uint8_t> user,
                      ChecksumMode mode = ChecksumMode::Sum);

// Request frame of a payload (byte 0 = count of the bytes that follow) by route.
Bytes BuildFrame(std::span<const uint8_t> payload, int route, uint8_t control, uint8_t via,
                 uint8_t adapterNo, ChecksumMode mode = ChecksumMode::Sum);

// Outcome of checking an answer frame: the code (0, 13, 14 or a failure) and the data.
struct FrameCheck {
    int code = 0;
    Bytes data;
    // The answer's control byte, when the frame got as far as having one.
    int control = -1;
};

// How many more bytes the answer that has begun in `received` needs to be complete (0 when
// it is complete), by its start byte: a single acknowledgement byte, a short frame of 9
// bytes, or a long frame of its length byte + 6. Noise before the start byte is skipped; at
// least one more byte is wanted while there is no start byte yet.
size_t FrameBytesMissing(std::span<const uint8_t> received);

// Checks one answer: noise before the start byte is skipped, then start bytes, length
// bytes, packet number (numbered frames only), address, checksum and end byte (both taken
// from the end of what was received), then the expected data length (0: any).
FrameCheck ParseFrame(std::span<const uint8_t> bytes, int expectedLength, int packetNo, int address,
                      int frameKind, ChecksumMode mode = ChecksumMode::Sum);

// ParseFrame with the route rule: a route-2 answer is a frame from the adapter whose data
// must be a complete frame from the addressed device.
FrameCheck ParseAnswer(std::span<const uint8_t> bytes, int expectedLength, int packetNo,
                       int address, int frameKind, int route, int adapterNo,
                       ChecksumMode mode = ChecksumMode::Sum);

// Control byte of a request: 40h + packet number for numbered frames, else 40h.
uint8_t RequestControl(int frameKind, int packetNo);
