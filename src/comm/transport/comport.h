// T_Comport: the exchange over a serial port (RS-232, RS-485), with echo and repetition.
#pragma once

#include <functional>
#include <memory>

#include "comm/exchange/base_obmen.h"
#include "comm/serial/serial_port.h"

// Opens the port of COMn; nullptr when it cannot be opened.
using SerialOpener = std::function<std::unique_ptr<SerialPort>(int com)>;

// The port of COMn from the section "Ports" of the program's settings file.
std::unique_ptr<SerialPort> OpenComPort(int com);

inline constexpr int kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 57600, 115200};

class T_Comport : public TBase_Obmen {
  public:
    explicit T_Comport(const TCustomLink& link, SerialOpener opener = OpenComPort,
                       LineClock& clock = SystemLineClock());
    ~T_Comport() override;

    // 1 for a plain line; negative when every frame sent comes back on the receive line.
    int EchoLine = 1;

    int InitLine(int& writeTimeoutPerByte) override;
    int DrainInput() override;
    int SendReceive(const Bytes& frame, Bytes& answer, int packetNo, int address, int frameKind,
                    int route, int expectedLength) override;
    int Open(std::string& portText) override;
    void Close() override;
    int ReadRaw(uint8_t* buffer, int count, bool plain) override;
    int WriteRaw(const uint8_t* buffer, int count) override;

    // One answer frame: exactly the bytes its start byte and length announce, noise before
    // the start dropped. With check the frame is checked (ParseAnswer) and its data
    // delivered, else the raw bytes; what follows the frame is not read.
    int Receive(bool first, bool check, Bytes& answer, int packetNo, int address, int frameKind,
                int route, int expectedLength);

    bool IsOpen() const { return Handle != nullptr; }

  protected:
    std::unique_ptr<SerialPort> Handle;
    LineClock& Clock;

  private:
    void SetTimeouts(int readTotalMs, int writePerByteMs);
    // Reads away waiting bytes, at most for the answer time-out; returns their count.
    int ReadAway(int readTimeoutMs);
    void ReadEcho(size_t count);
    SerialOpener opener_;
    SerialFormat format_;
    int readTimeoutMs_ = 120;
    int writePerByteMs_ = 500;
};
