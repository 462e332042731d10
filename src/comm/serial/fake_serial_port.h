// FakeSerialPort: two connected in-memory port ends with modem lines and a shared clock.
#pragma once

#include <deque>
#include <functional>
#include <memory>

#include "comm/serial/serial_port.h"

// A clock that moves only when someone waits on it: a read that finds nothing advances it
// by its time-out, a pause by its length.
class FakeLineClock : public LineClock {
  public:
    double NowMs() override { return now_; }
    void Pause(int ms) override { now_ += ms; }
    void Advance(double ms) { now_ += ms; }

  private:
    double now_ = 0;
};

// One end of a null-modem pair: bytes written come out at the other end; DTR shows as DCD
// and RTS as CTS at the other end. A read that finds no bytes first calls OnIdle (which may
// answer, as a simulated device does) and otherwise lets the shared clock run out its
// time-out.
class FakeSerialPort : public SerialPort {
  public:
    struct Shared;

    bool Configure(const SerialFormat& format) override;
    int Read(uint8_t* buffer, size_t count, int timeoutMs) override;
    bool Write(const uint8_t* buffer, size_t count, int timeoutMs) override;
    void PurgeInput() override;
    void SetDtr(bool on) override;
    void SetRts(bool on) override;
    void SetBreak(bool on) override;
    bool Cts() override;
    bool Dcd() override;

    // Bytes waiting to be read at this end.
    size_t Pending() const;
    // Puts bytes to be read at this end, as if the other end had sent them.
    void Inject(const uint8_t* bytes, size_t count);
    const SerialFormat& Format() const { return format_; }
    // True while the other end holds a break on the line (as a device would see it).
    bool BreakSeen() const;
    // Called before a read finds nothing; the other end's owner may answer in it.
    std::function<void()> OnIdle;
    // Refuses writes from now on (a port that fails).
    bool FailWrites = false;

    FakeSerialPort(std::shared_ptr<Shared> shared, int side);

  private:
    std::shared_ptr<Shared> shared_;
    int side_;
    SerialFormat format_;
};

struct FakeSerialPair {
    std::shared_ptr<FakeLineClock> clock;
    std::unique_ptr<FakeSerialPort> a;
    std::unique_ptr<FakeSerialPort> b;
};
FakeSerialPair MakeFakeSerialPair();
