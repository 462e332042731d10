// Fuzz target: answer bytes of any kind, checked as a frame and received from a serial line.
#include <cstddef>
#include <cstdint>

#include "comm/exchange/frame.h"
#include "comm/link/custom_link.h"
#include "comm/serial/fake_serial_port.h"
#include "comm/transport/comport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes choose the request the answer is checked against.
    const int expectedLength = data[0] & 0x3F;
    const int route = (data[0] >> 6) % 3;
    const int packetNo = data[1] & 0x0F;
    const int frameKind = (data[1] & 0x10) != 0 ? kFrameUnnumbered : kFrameNumbered;
    const std::span<const uint8_t> answer(data + 2, size - 2);
    for (ChecksumMode mode : {ChecksumMode::Sum, ChecksumMode::SumAndCrc, ChecksumMode::CrcOnly}) {
        ParseFrame(answer, expectedLength, packetNo, 5, frameKind, mode);
        ParseAnswer(answer, expectedLength, packetNo, 5, frameKind, route, 32, mode);
    }

    TRS232Link link;
    link.COM = 1;
    link.Speed = 115200;
    link.Timeout = 1;
    link.Repeats = 1;
    FakeSerialPair pair = MakeFakeSerialPair();
    auto port = std::move(pair.a);
    T_Comport x(
        link, [&](int) { return std::move(port); }, *pair.clock);
    std::string portText;
    if (x.Open(portText) != 0)
        return 0;
    x.AdapterNo = 32;
    // Opening the port purges its input, so the answer arrives after it.
    pair.b->Write(answer.data(), answer.size(), 0);
    Bytes received;
    x.Receive(true, true, received, packetNo, 5, frameKind, route, expectedLength);
    x.Receive(false, false, received, packetNo, 5, frameKind, kRoutePlain, 0);
    return 0;
}
