// Building FT1.2 request frames and checking answer frames.
#include "comm/exchange/frame.h"

#include "model/flash/crc16.h"

namespace {
uint8_t Sum(std::span<const uint8_t> bytes) {
    unsigned sum = 0;
    for (uint8_t b : bytes)
        sum += b;
    return static_cast<uint8_t>(sum);
}

void AppendCrc(Bytes& out, std::span<const uint8_t> covered) {
    uint16_t crc = Crc16Update(kCrc16Start, covered);
    out.push_back(static_cast<uint8_t>(crc & 0xFF));
    out.push_back(static_cast<uint8_t>(crc >> 8));
}

bool IsStartByte(uint8_t b) {
    return b == kShortStart || b == kLongStart || b == kAckByte || b == kNakByte;
}

}  // namespace

size_t FrameBytesMissing(std::span<const uint8_t> received) {
    size_t start = 0;
    while (start < received.size() && !IsStartByte(received[start]))
        ++start;
    const std::span<const uint8_t> frame = received.subspan(start);
    if (frame.empty())
        return 1;
    size_t total = 1;
    if (frame[0] == kShortStart)
        total = 9;
    else if (frame[0] == kLongStart)
        total = frame.size() < 4 ? 4 : static_cast<size_t>(frame[1]) + 6;
    return frame.size() >= total ? 0 : total - frame.size();
}

namespace {

FrameCheck Fail(int code, int control = -1) {
    FrameCheck check;
    check.code = code;
    check.control = control;
    return check;
}
}  // namespace

uint8_t RequestControl(int frameKind, int packetNo) {
    return static_cast<uint8_t>(frameKind == kFrameNumbered ? 0x40 + (packetNo & 0x0F) : 0x40);
}

Bytes BuildPlainFrame(uint8_t control, uint8_t receiver, std::span<const uint8_t> user,
                      ChecksumMode mode) {
    Bytes body{control, receiver};
    body.insert(body.end(), user.begin(), user.end());
    Bytes frame;
    if (mode == ChecksumMode::Sum && user.size() <= 4) {
        body.resize(6, 0);
        frame.push_back(kShortStart);
        frame.insert(frame.end(), body.begin(), body.end());
        frame.push_back(Sum(body));
        frame.push_back(kEndByte);
        return frame;
    }
    if (mode == ChecksumMode::SumAndCrc)
        AppendCrc(body, body);
    const auto length = static_cast<uint8_t>(body.size());
    frame = {kLongStart, length, length, kLongStart};
    frame.insert(frame.end(), body.begin(), body.end());
    if (mode == ChecksumMode::CrcOnly) {
        AppendCrc(frame, body);
    } else {
        frame.push_back(Sum(body));
        frame.push_back(kEndByte);
    }
    return frame;
}

Bytes BuildFrame(std::span<const uint8_t> payload, int route, uint8_t control, uint8_t via,
                 uint8_t adapterNo, ChecksumMode mode) {
    std::span<const uint8_t> user = payload.empty() ? payload : payload.subspan(1);
    if (route == kRouteAdapterCommand) {
        Bytes prefixed{0x28};
        prefixed.insert(prefixed.end(), user.begin(), user.end());
        return BuildPlainFrame(control, via, prefixed, mode);
    }
    if (route == kRouteWrapped) {
        Bytes wrapped{0x27, 0x14};
        Bytes inner = BuildPlainFrame(control, via, user, mode);
        wrapped.insert(wrapped.end(), inner.begin(), inner.end());
        return BuildPlainFrame(control, adapterNo, wrapped, mode);
    }
    return BuildPlainFrame(control, via, user, mode);
}

FrameCheck ParseFrame(std::span<const uint8_t> all, int expectedLength, int packetNo, int address,
                      int frameKind, ChecksumMode mode) {
    size_t start = 0;
    while (start < all.size() && !IsStartByte(all[start]))
        ++start;
    if (start == all.size())
        return Fail(10);
    std::span<const uint8_t> f = all.subspan(start);
    if (f[0] == kAckByte)
        return Fail(13);
    if (f[0] == kNakByte)
        return Fail(14);

    const bool isLong = f[0] == kLongStart;
    size_t header = 1;      // bytes before C
    size_t bodyLength = 6;  // C, A and four data bytes
    if (isLong) {
        if (f.size() < 4 || f[3] != kLongStart)
            return Fail(10);
        if (f[1] != f[2])
            return Fail(9);
        header = 4;
        bodyLength = f[1];
        if (bodyLength < 2)
            return Fail(17);
    }
    const int control = f.size() > header ? f[header] : -1;
    if (frameKind == kFrameNumbered && control != (packetNo & 0x0F))
        return Fail(7, control);
    if (f.size() <= header + 1 || f[header + 1] != address)
        return Fail(8, control);

    const bool crcFrame = isLong && mode != ChecksumMode::Sum;
    const size_t trailer = 2;
    if (f.size() < header + bodyLength + trailer)
        return Fail(crcFrame && mode == ChecksumMode::CrcOnly ? 5 : 12, control);
    std::span<const uint8_t> body = f.subspan(header, bodyLength);
    const uint8_t last = f[f.size() - 1];
    const uint8_t beforeLast = f[f.size() - 2];
    size_t dataLength = bodyLength - 2;
    if (crcFrame && mode == ChecksumMode::CrcOnly) {
        if (Crc16Update(kCrc16Start, f.subspan(header, f.size() - header)) != 0)
            return Fail(5, control);
    } else {
        if (crcFrame) {
            if (bodyLength < 4 || Crc16Update(kCrc16Start, body) != 0)
                return Fail(5, control);
            dataLength -= 2;
        }
        if (Sum(body) != beforeLast)
            return Fail(12, control);
        if (last != kEndByte)
            return Fail(11, control);
    }

    FrameCheck check;
    check.control = control;
    if (expectedLength > 0 && static_cast<size_t>(expectedLength) != dataLength) {
        // A long frame of another length keeps its data: element reads accept whole elements.
        if (isLong)
            check.code = 17;
        else if (expectedLength < 4)
            dataLength = static_cast<size_t>(expectedLength);
    }
    check.data.assign(body.begin() + 2, body.begin() + 2 + static_cast<long>(dataLength));
    return check;
}

FrameCheck ParseAnswer(std::span<const uint8_t> bytes, int expectedLength, int packetNo,
                       int address, int frameKind, int route, int adapterNo, ChecksumMode mode) {
    if (route != kRouteWrapped)
        return ParseFrame(bytes, expectedLength, packetNo, address, frameKind, mode);
    FrameCheck outer = ParseFrame(bytes, 0, packetNo, adapterNo, frameKind, mode);
    if (outer.code != 0)
        return outer;
    return ParseFrame(outer.data, expectedLength, packetNo, address, frameKind, mode);
}
