// In-memory null-modem port pair for tests and fuzzing.
#include "comm/serial/fake_serial_port.h"

#include <algorithm>

struct FakeSerialPort::Shared {
    std::shared_ptr<FakeLineClock> clock;
    std::deque<uint8_t> input[2];  // bytes waiting at each end
    bool dtr[2] = {false, false};
    bool rts[2] = {false, false};
    bool brk[2] = {false, false};
};

FakeSerialPort::FakeSerialPort(std::shared_ptr<Shared> shared, int side)
    : shared_(std::move(shared)), side_(side) {}

bool FakeSerialPort::Configure(const SerialFormat& format) {
    format_ = format;
    return true;
}

int FakeSerialPort::Read(uint8_t* buffer, size_t count, int timeoutMs) {
    auto& in = shared_->input[side_];
    if (in.size() < count && OnIdle)
        OnIdle();
    const size_t n = std::min(count, in.size());
    std::copy_n(in.begin(), n, buffer);
    in.erase(in.begin(), in.begin() + static_cast<long>(n));
    if (n < count)
        shared_->clock->Advance(timeoutMs);
    return static_cast<int>(n);
}

bool FakeSerialPort::Write(const uint8_t* buffer, size_t count, int timeoutMs) {
    if (FailWrites)
        return false;
    auto& out = shared_->input[1 - side_];
    out.insert(out.end(), buffer, buffer + count);
    return true;
}

void FakeSerialPort::Inject(const uint8_t* bytes, size_t count) {
    auto& in = shared_->input[side_];
    in.insert(in.end(), bytes, bytes + count);
}

size_t FakeSerialPort::Pending() const {
    return shared_->input[side_].size();
}
void FakeSerialPort::PurgeInput() {
    shared_->input[side_].clear();
}
void FakeSerialPort::SetDtr(bool on) {
    shared_->dtr[side_] = on;
}
void FakeSerialPort::SetRts(bool on) {
    shared_->rts[side_] = on;
}
void FakeSerialPort::SetBreak(bool on) {
    shared_->brk[side_] = on;
}
bool FakeSerialPort::BreakSeen() const {
    return shared_->brk[1 - side_];
}
bool FakeSerialPort::Cts() {
    return shared_->rts[1 - side_];
}
bool FakeSerialPort::Dcd() {
    return shared_->dtr[1 - side_];
}

FakeSerialPair MakeFakeSerialPair() {
    auto shared = std::make_shared<FakeSerialPort::Shared>();
    shared->clock = std::make_shared<FakeLineClock>();
    FakeSerialPair pair;
    pair.clock = shared->clock;
    pair.a = std::make_unique<FakeSerialPort>(shared, 0);
    pair.b = std::make_unique<FakeSerialPort>(shared, 1);
    return pair;
}
