// TBase_Obmen: the exchange with one controller over one link (requests, routes, checks).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "comm/exchange/error_text.h"
#include "comm/exchange/frame.h"

class TCustomLink;

// Trace line kinds of OnLog.
inline constexpr int kLogSummary = 1;
inline constexpr int kLogTrace = 2;

// Line kinds the transports use.
inline constexpr int kLineOther = 0;
inline constexpr int kLine485 = 10;
inline constexpr int kLineCan = 12;

// Network number that asks for addressing by extended number.
inline constexpr int kExtendedAddress = 0xFE;

// Level 48 of SetAccessLevel: level 3 with the built-in service code as password.
inline constexpr int kServiceLevel = 48;
inline constexpr std::array<uint8_t, 4> kServiceCode = {0x5A, 0x3C, 0xA5, 0xC3};

// Up to 8 hexadecimal digits as a 32-bit number, most significant byte first; other and
// missing characters count as 0.
std::array<uint8_t, 4> PasswordBytes(const std::string& password);

class TBase_Obmen {
  public:
    using LogFn = std::function<void(const std::string& text, int kind)>;
    using ProgressFn = std::function<void(int attempt)>;

    explicit TBase_Obmen(const TCustomLink& link);
    virtual ~TBase_Obmen() = default;
    TBase_Obmen(const TBase_Obmen&) = delete;
    TBase_Obmen& operator=(const TBase_Obmen&) = delete;

    LogFn OnLog;
    ProgressFn OnProgress;
    const TCustomLink& Link;
    int FrameKind = kFrameNumbered;
    int PacketNo = 0;
    int LineKind = kLineOther;
    int CanAdapterNo = 0;
    int Timeout = 0;
    double ContinuationWait = 0;  // days; 0: Timeout applies
    int Repeats = 0;
    std::vector<int> IndexList;
    bool RoutingAllowed = false;
    int AdapterNo = -1;
    // Selected from code only; the controllers use the arithmetic sum.
    ChecksumMode Checksum = ChecksumMode::Sum;

    // Transport operations.
    virtual int InitLine(int& writeTimeoutPerByte) = 0;
    virtual int DrainInput() = 0;
    // Advances the packet number, frames the payload by route and sends it (SendReceive).
    virtual int Transact(int expectedLength, int address, const Bytes& payload, Bytes& answer,
                         int route);
    virtual int SendReceive(const Bytes& frame, Bytes& answer, int packetNo, int address,
                            int frameKind, int route, int expectedLength) = 0;
    virtual int Open(std::string& portText) = 0;
    virtual void Close() = 0;
    virtual int ReadRaw(uint8_t* buffer, int count, bool plain) = 0;
    virtual int WriteRaw(const uint8_t* buffer, int count) = 0;

    void NextPacketNo();
    // Route 0..2 for a request; may turn it into the direct form or change the receiver.
    int ChooseRoute(bool& direct, int& via, int address) const;

    int ReadParameter(int number, int expectedLength, int extNumber, bool logIt, bool useRepeats,
                      Bytes& data, int address, int via, bool direct);
    int ReadElements(int number, int index, int count, int elementSize, bool many, int extNumber,
                     Bytes& data, int& elementsRead, int address, int via, bool direct);
    int ReadRange(int number, int depth, int maxChunk, int fromIndex, int toIndex, int extNumber,
                  int address, int via, bool direct, std::vector<double>& values);
    int SetAccessLevel(int level, const std::string& password, int extNumber, int address, int via,
                       bool direct);
    int ProbeProtocol(int address, int extNumber, bool alsoReadFlags, bool& flagBit,
                      uint32_t& flags);
    int ReadFlags(int address, int extNumber, uint32_t& flags, bool& flagBit);

    // Control byte of the last answer frame that had one (-1: none).
    int LastAnswerControl = -1;

  protected:
    void Log(const std::string& text, int kind = kLogTrace) const;
    void Progress(int attempt) const;
    // Checks received bytes as the answer to the frame just sent; keeps the control byte.
    int CheckAnswer(const Bytes& received, Bytes& answer, int packetNo, int address, int frameKind,
                    int route, int expectedLength);

  private:
    int TransactRepeated(int expectedLength, int via, const Bytes& payload, Bytes& answer,
                         int route, bool repeat);
    Bytes DirectPayload(uint8_t command, int address, int extNumber,
                        const std::vector<uint8_t>& args) const;
    static int StripExtNumber(int address, int extNumber, bool direct, int code, Bytes& data);
};
