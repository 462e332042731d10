// UDP and TCP transports on plain sockets with receive and send time-outs.
#include "comm/transport/ip_obmen.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

#include "comm/exchange/frame.h"
#include "comm/exchange/hex_trace.h"
#include "comm/link/custom_link.h"
#include "platform/event_pump.h"

namespace {
void SetTimeout(int fd, int option, int ms) {
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}
}  // namespace

T_IpObmen::T_IpObmen(const TCustomLink& link, int socketType)
    : TBase_Obmen(link), socketType_(socketType) {}

T_UdpObmen::T_UdpObmen(const TCustomLink& link) : T_IpObmen(link, SOCK_DGRAM) {
    if (link.Protocol == epCANbus) {
        FrameKind = kFrameCan;
        CanAdapterNo = 0;
    }
}

T_TCPObmen::T_TCPObmen(const TCustomLink& link) : T_IpObmen(link, SOCK_STREAM) {
    FrameKind = kFrameNumbered;
}

T_IpObmen::~T_IpObmen() {
    Close();
}

int T_IpObmen::InitLine(int& writeTimeoutPerByte) {
    return kOk;
}
int T_IpObmen::DrainInput() {
    return kOk;
}

int T_IpObmen::Open(std::string& portText) {
    Close();
    const auto& ip = static_cast<const TIPLink&>(Link);
    portText = ip.IP + " (" + std::to_string(ip.Port) + ") ";
    char hex[16];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(ip.Port) & 0xFFFFu);
    TracePrefix = ip.IP + " (" + hex + ") ";
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = socketType_;
    addrinfo* found = nullptr;
    if (getaddrinfo(ip.IP.c_str(), std::to_string(ip.Port).c_str(), &hints, &found) != 0)
        return kConnectFailed;
    for (addrinfo* a = found; a != nullptr && fd_ < 0; a = a->ai_next) {
        fd_ = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd_ < 0)
            continue;
        const int buffer = static_cast<int>(kMaxNetAnswer);
        setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        SetTimeout(fd_, SO_RCVTIMEO, Link.Timeout * 1000);
        SetTimeout(fd_, SO_SNDTIMEO, 1000);
        if (connect(fd_, a->ai_addr, a->ai_addrlen) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    freeaddrinfo(found);
    return fd_ < 0 ? kConnectFailed : kOk;
}

void T_IpObmen::Close() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

int T_IpObmen::Receive(uint8_t* buffer, size_t capacity) {
    ssize_t n = recv(fd_, buffer, capacity, 0);
    if (n <= 0)
        return 0;
    // A datagram is a whole answer; a stream may deliver one frame in several segments, so
    // TCP reads on (within the receive time-out) until the frame is complete.
    size_t got = static_cast<size_t>(n);
    while (socketType_ == SOCK_STREAM && got < capacity &&
           FrameBytesMissing(std::span<const uint8_t>(buffer, got)) > 0) {
        n = recv(fd_, buffer + got, capacity - got, 0);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return static_cast<int>(got);
}

int T_IpObmen::SendReceive(const Bytes& frame, Bytes& answer, int packetNo, int address,
                           int frameKind, int route, int expectedLength) {
    answer.clear();
    const std::string trace = TracePrefix + ">> " + HexBytes(frame);
    int code = kNoAnswer;
    ProcessEvents();
    for (int attempt = 1; attempt <= Repeats && code == kNoAnswer && fd_ >= 0; ++attempt) {
        Log(trace);
        ProcessEvents();
        Progress(attempt);
        if (send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(frame.size()))
            continue;
        uint8_t received[kMaxNetAnswer];
        const int n = Receive(received, sizeof received);
        if (n == 0)
            continue;
        const std::span<const uint8_t> got(received, static_cast<size_t>(n));
        Log(TracePrefix + "<< " + HexBytes(got) + "  " + std::to_string(n));
        code = CheckAnswer(Bytes(got.begin(), got.end()), answer, packetNo, address, frameKind,
                           route, expectedLength);
    }
    return code;
}

int T_IpObmen::ReadRaw(uint8_t* buffer, int count, bool plain) {
    if (fd_ < 0 || count <= 0)
        return 0;
    uint8_t received[kMaxNetAnswer];
    const int n = Receive(received, sizeof received);
    if (n > 0)
        Log("<< " + HexBytes(std::span<const uint8_t>(received, static_cast<size_t>(n))));
    const int copied = std::min(n, count);
    std::copy_n(received, copied, buffer);
    return copied;
}

int T_IpObmen::WriteRaw(const uint8_t* buffer, int count) {
    if (fd_ < 0 || count <= 0)
        return 0;
    Log(">> " + HexBytes(std::span<const uint8_t>(buffer, static_cast<size_t>(count))));
    const ssize_t n = send(fd_, buffer, static_cast<size_t>(count), MSG_NOSIGNAL);
    return n > 0 ? static_cast<int>(n) : 0;
}
