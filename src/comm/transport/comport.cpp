// T_Comport: serial line set-up, sending with repetition and exact-length receiving.
#include "comm/transport/comport.h"

#include <algorithm>

#include "comm/exchange/hex_trace.h"
#include "comm/link/custom_link.h"
#include "comm/serial/port_list.h"
#include "comm/serial/termios_port.h"
#include "platform/event_pump.h"
#include "shell/program_state.h"

namespace {
constexpr double kMsPerDay = 86400000.0;

bool IsStartByte(uint8_t b) {
    return b == kShortStart || b == kLongStart || b == kAckByte || b == kNakByte;
}
}  // namespace

std::unique_ptr<SerialPort> OpenComPort(int com) {
    return OpenTermiosPort(SerialDeviceForCom(Shell().SettingsFileName, com));
}

T_Comport::T_Comport(const TCustomLink& link, SerialOpener opener, LineClock& clock)
    : TBase_Obmen(link), Clock(clock), opener_(std::move(opener)) {}

T_Comport::~T_Comport() {
    Close();
}

void T_Comport::SetTimeouts(int readTotalMs, int writePerByteMs) {
    readTimeoutMs_ = readTotalMs;
    writePerByteMs_ = writePerByteMs;
}

int T_Comport::InitLine(int& writeTimeoutPerByte) {
    const auto& rs = static_cast<const TRSLink&>(Link);
    format_ = SerialFormat{};
    if (std::find(std::begin(kBaudRates), std::end(kBaudRates), rs.Speed) != std::end(kBaudRates))
        format_.baud = rs.Speed;
    Handle->Configure(format_);
    Clock.Pause(100);
    if (LineKind == kLineCan) {
        format_.baud = 115200;
        format_.ctsFlow = true;
    } else {
        format_.twoStopBits = rs.StopBits == sb20;
    }
    Handle->Configure(format_);
    if (LineKind == kLineOther) {
        Handle->SetDtr(false);
        Handle->SetRts(false);
    }
    writeTimeoutPerByte = 500;
    return kOk;
}

int T_Comport::ReadAway(int readTimeoutMs) {
    const double deadline = Clock.NowMs() + std::max(Timeout, 1) * 1000.0;
    int count = 0;
    uint8_t byte = 0;
    while (Clock.NowMs() <= deadline && Handle->Read(&byte, 1, readTimeoutMs) == 1)
        ++count;
    return count;
}

int T_Comport::DrainInput() {
    Clock.Pause(2);
    const int dropped = ReadAway(10);
    if (dropped > 0)
        Log("       " + std::to_string(dropped));
    return kOk;
}

void T_Comport::ReadEcho(size_t count) {
    Bytes echo;
    const double deadline = Clock.NowMs() + 1000;
    uint8_t byte = 0;
    while (echo.size() < count && Clock.NowMs() <= deadline) {
        if (Handle->Read(&byte, 1, 50) == 1)
            echo.push_back(byte);
    }
    Log("2x " + HexBytes(echo));
}

int T_Comport::SendReceive(const Bytes& frame, Bytes& answer, int packetNo, int address,
                           int frameKind, int route, int expectedLength) {
    answer.clear();
    if (!Handle)
        return kPortOpenFailed;
    const std::string trace = ">> " + HexBytes(frame);
    if (LineKind == kLine485)
        Clock.Pause(5);
    SetTimeouts(500, 500);
    const int attempts = Repeats > 0 ? Repeats : 1;
    int code = kNoAnswer;
    ProcessEvents();
    for (int attempt = 0; attempt < attempts && code == kNoAnswer; ++attempt) {
        if (attempt > 0)
            Clock.Pause(100);
        code = DrainInput();
        Log(trace);
        ProcessEvents();
        Progress(attempt);
        if (code != kOk)
            break;
        if (!Handle->Write(frame.data(), frame.size(),
                           writePerByteMs_ * static_cast<int>(frame.size()))) {
            code = kWriteFailed;
            break;
        }
        if (EchoLine < 0)
            ReadEcho(frame.size());
        code = Receive(true, true, answer, packetNo, address, frameKind, route, expectedLength);
    }
    return code;
}

int T_Comport::Receive(bool first, bool check, Bytes& answer, int packetNo, int address,
                       int frameKind, int route, int expectedLength) {
    std::string trace = "<< ";
    answer.clear();
    SetTimeouts(50, 500);
    const double waitMs =
        !first && ContinuationWait > 0 ? ContinuationWait * kMsPerDay : Timeout * 1000.0;
    const double deadline = Clock.NowMs() + waitMs;
    Bytes kept;
    size_t wanted = 1;
    int code = kOk;
    uint8_t chunk[256];
    while (wanted > 0 && Clock.NowMs() <= deadline) {
        ProcessEvents();
        const int n = Handle->Read(chunk, std::min(wanted, sizeof chunk), readTimeoutMs_);
        if (n < 0)
            break;
        if (n == 0)
            continue;
        trace += HexBytes(std::span<const uint8_t>(chunk, static_cast<size_t>(n)));
        if (kept.empty() && !IsStartByte(chunk[0]))
            continue;  // noise before the start byte; the frame is read one byte at a time here
        kept.insert(kept.end(), chunk, chunk + n);
        wanted -= static_cast<size_t>(n);
        if (wanted > 0)
            continue;
        if (kept.size() == 1 && kept[0] == kAckByte)
            code = kPositiveAck;
        else if (kept.size() == 1 && kept[0] == kNakByte)
            code = kNegativeAck;
        wanted = FrameBytesMissing(kept);
    }
    if (kept.empty()) {
        Log(trace);
        return kNoAnswer;
    }
    // Unchecked frames are left to the caller as they are; bytes after them stay on the line,
    // since they may be the next frame that ReadRaw collects.
    if (check)
        code = CheckAnswer(kept, answer, packetNo, address, frameKind, route, expectedLength);
    else
        answer = kept;
    Log(trace);
    return code;
}

int T_Comport::Open(std::string& portText) {
    Close();
    const auto& rs = static_cast<const TRSLink&>(Link);
    portText = "COM" + std::to_string(rs.COM);
    Handle = opener_(rs.COM);
    if (!Handle)
        return kPortOpenFailed;
    int writePerByte = 500;
    const int code = InitLine(writePerByte);
    SetTimeouts(120, writePerByte);
    Handle->PurgeInput();
    return code;
}

void T_Comport::Close() {
    if (!Handle)
        return;
    format_.ctsFlow = false;
    Handle->Configure(format_);
    Handle.reset();
}

int T_Comport::ReadRaw(uint8_t* buffer, int count, bool plain) {
    if (!Handle || count <= 0)
        return 0;
    if (plain) {
        Bytes got;
        const double deadline = Clock.NowMs() + Timeout * 1000.0;
        uint8_t byte = 0;
        while (static_cast<int>(got.size()) < count && Clock.NowMs() <= deadline) {
            ProcessEvents();
            if (Handle->Read(&byte, 1, 50) == 1)
                got.push_back(byte);
        }
        if (!got.empty())
            Log("<< " + HexBytes(got));
        std::copy(got.begin(), got.end(), buffer);
        return static_cast<int>(got.size());
    }
    Bytes all;
    Bytes frame;
    bool first = true;
    // Stops once the caller's buffer is full, so a line that never falls silent ends too.
    while (static_cast<int>(all.size()) < count &&
           Receive(first, false, frame, 0, 0, FrameKind, kRoutePlain, 0) != kNoAnswer) {
        all.insert(all.end(), frame.begin(), frame.end());
        if (first)
            ContinuationWait = 50 / kMsPerDay;
        first = false;
    }
    const size_t n = std::min(all.size(), static_cast<size_t>(count));
    std::copy_n(all.begin(), n, buffer);
    return static_cast<int>(n);
}

int T_Comport::WriteRaw(const uint8_t* buffer, int count) {
    if (!Handle || count <= 0)
        return 0;
    std::string trace =
        ">> " + HexBytes(std::span<const uint8_t>(buffer, static_cast<size_t>(count)));
    if (LineKind == kLine485)
        Clock.Pause(5);
    SetTimeouts(500, 500);
    const int waiting = ReadAway(readTimeoutMs_);
    if (waiting > 0)
        trace += "       " + std::to_string(waiting);
    Handle->PurgeInput();
    Log(trace);
    if (!Handle->Write(buffer, static_cast<size_t>(count), writePerByteMs_ * count))
        return 0;
    if (EchoLine < 0)
        ReadEcho(static_cast<size_t>(count));
    return count;
}
