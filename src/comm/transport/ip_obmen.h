// T_UdpObmen and T_TCPObmen: the exchange with Ethernet and GPRS controllers over sockets.
#pragma once

#include <string>

#include "comm/exchange/base_obmen.h"

// Largest answer taken from one receive: the socket's receive buffer. A routed 60-element
// answer with an extended number is 260 bytes, so 256 would not do.
inline constexpr size_t kMaxNetAnswer = 512;

// What the UDP and TCP transports share: one request frame per datagram or write, one
// answer per receive, checked as a whole.
class T_IpObmen : public TBase_Obmen {
  public:
    ~T_IpObmen() override;

    std::string TracePrefix;

    int InitLine(int& writeTimeoutPerByte) override;
    int DrainInput() override;
    int SendReceive(const Bytes& frame, Bytes& answer, int packetNo, int address, int frameKind,
                    int route, int expectedLength) override;
    int Open(std::string& portText) override;
    void Close() override;
    int ReadRaw(uint8_t* buffer, int count, bool plain) override;
    int WriteRaw(const uint8_t* buffer, int count) override;

  protected:
    T_IpObmen(const TCustomLink& link, int socketType);

  private:
    int Receive(uint8_t* buffer, size_t capacity);
    int socketType_;
    int fd_ = -1;
};

class T_UdpObmen : public T_IpObmen {
  public:
    explicit T_UdpObmen(const TCustomLink& link);
};

class T_TCPObmen : public T_IpObmen {
  public:
    explicit T_TCPObmen(const TCustomLink& link);
};
