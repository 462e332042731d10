// SerialPort: what the serial transports need of a port (real, pseudo-terminal or fake).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct SerialFormat {
    int baud = 9600;
    bool twoStopBits = false;
    bool ctsFlow = false;  // output waits for CTS
};

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Applies speed and frame format (8 data bits, no parity). False when refused.
    virtual bool Configure(const SerialFormat& format) = 0;
    // Waits up to timeoutMs for count bytes and returns those that came (possibly none);
    // -1 on a port error.
    virtual int Read(uint8_t* buffer, size_t count, int timeoutMs) = 0;
    // Writes all bytes within timeoutMs; false when they could not all be written.
    virtual bool Write(const uint8_t* buffer, size_t count, int timeoutMs) = 0;
    // Discards bytes received and not yet read.
    virtual void PurgeInput() = 0;
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
    virtual void SetBreak(bool on) = 0;
    virtual bool Cts() = 0;
    virtual bool Dcd() = 0;
};

// Steady time and pauses of the serial transports; a fake port brings a clock that moves
// only when the exchange waits, so tests never depend on the machine's speed.
class LineClock {
  public:
    virtual ~LineClock() = default;
    virtual double NowMs() = 0;
    virtual void Pause(int ms) = 0;
};

// The machine's steady clock and real pauses.
LineClock& SystemLineClock();
