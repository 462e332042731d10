// TBase_Obmen: packet numbers, routes, and the requests of the exchange core.
#include "comm/exchange/base_obmen.h"

#include <algorithm>

#include "comm/exchange/decode_float.h"
#include "comm/exchange/hex_trace.h"
#include "comm/link/custom_link.h"
#include "platform/event_pump.h"

namespace {
uint8_t Lo(int v) {
    return static_cast<uint8_t>(v & 0xFF);
}
uint8_t Hi(int v) {
    return static_cast<uint8_t>((v >> 8) & 0xFF);
}

bool UsesExtNumber(int address, int extNumber, bool direct) {
    return direct && address == kExtendedAddress && extNumber >= 0;
}

// Restores a value when the scope ends.
template <typename T>
class Saved {
  public:
    explicit Saved(T& target) : target_(target), value_(target) {}
    ~Saved() { target_ = value_; }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;
    const T& Value() const { return value_; }

  private:
    T& target_;
    T value_;
};
}  // namespace

std::array<uint8_t, 4> PasswordBytes(const std::string& password) {
    uint32_t value = 0;
    for (size_t i = 0; i < 8; ++i) {
        unsigned digit = 0;
        if (i < password.size()) {
            const char c = password[i];
            if (c >= '0' && c <= '9')
                digit = static_cast<unsigned>(c - '0');
            else if (c >= 'A' && c <= 'F')
                digit = static_cast<unsigned>(c - 'A' + 10);
            else if (c >= 'a' && c <= 'f')
                digit = static_cast<unsigned>(c - 'a' + 10);
        }
        value = (value << 4) | digit;
    }
    return {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
}

TBase_Obmen::TBase_Obmen(const TCustomLink& link) : Link(link) {
    if (link.Type == ltCANbus) {
        FrameKind = kFrameCan;
        LineKind = kLineCan;
    } else {
        FrameKind = kFrameNumbered;
        LineKind = link.Type == lt485 ? kLine485 : kLineOther;
    }
    Timeout = link.Timeout;
    Repeats = link.Repeats;
}

void TBase_Obmen::Log(const std::string& text, int kind) const {
    if (OnLog)
        OnLog(text, kind);
}

void TBase_Obmen::Progress(int attempt) const {
    if (OnProgress)
        OnProgress(attempt);
}

void TBase_Obmen::NextPacketNo() {
    if (FrameKind == kFrameNumbered) {
        PacketNo = (PacketNo + 1) & 0x0F;
    } else if (FrameKind == kFrameCan) {
        switch (PacketNo) {
            case 0x80:
                PacketNo = 0xA0;
                break;
            case 0xA0:
                PacketNo = 0xC0;
                break;
            case 0xC0:
                PacketNo = 0xE0;
                break;
            default:
                PacketNo = 0x80;
                break;
        }
    }
}

int TBase_Obmen::ChooseRoute(bool& direct, int& via, int address) const {
    if (!RoutingAllowed)
        return kRoutePlain;
    if (!direct) {
        switch (Link.Sposob) {
            case 0:
                return kRouteAdapterCommand;
            case 1:
                direct = true;
                via = address;
                return kRouteWrapped;
            case 2:
                if (Link.NNum_dopAdapt >= 0)
                    via = Link.NNum_dopAdapt;
                return kRouteWrapped;
            default:
                return kRoutePlain;
        }
    }
    return via != AdapterNo && AdapterNo >= 0 ? kRouteWrapped : kRoutePlain;
}

int TBase_Obmen::Transact(int expectedLength, int address, const Bytes& payload, Bytes& answer,
                          int route) {
    NextPacketNo();
    const Bytes frame = BuildFrame(payload, route, RequestControl(FrameKind, PacketNo), Lo(address),
                                   Lo(AdapterNo), Checksum);
    return SendReceive(frame, answer, PacketNo, address, FrameKind, route, expectedLength);
}

int TBase_Obmen::CheckAnswer(const Bytes& received, Bytes& answer, int packetNo, int address,
                             int frameKind, int route, int expectedLength) {
    FrameCheck check = ParseAnswer(received, expectedLength, packetNo, address, frameKind, route,
                                   AdapterNo, Checksum);
    LastAnswerControl = check.control;
    answer = std::move(check.data);
    return check.code;
}

Bytes TBase_Obmen::DirectPayload(uint8_t command, int address, int extNumber,
                                 const std::vector<uint8_t>& args) const {
    Bytes payload{0, command};
    if (UsesExtNumber(address, extNumber, true)) {
        const auto ext = static_cast<uint32_t>(extNumber);
        for (int shift = 0; shift < 32; shift += 8)
            payload.push_back(static_cast<uint8_t>(ext >> shift));
    }
    payload.insert(payload.end(), args.begin(), args.end());
    payload[0] = static_cast<uint8_t>(payload.size() - 1);
    return payload;
}

int TBase_Obmen::StripExtNumber(int address, int extNumber, bool direct, int code, Bytes& data) {
    if (!UsesExtNumber(address, extNumber, direct) || (code != 0 && code != kLengthMismatch))
        return code;
    const auto ext = static_cast<uint32_t>(extNumber);
    if (data.size() < 4)
        return kExtNumberMismatch;
    for (int i = 0; i < 4; ++i) {
        if (data[static_cast<size_t>(i)] != static_cast<uint8_t>(ext >> (8 * i)))
            return kExtNumberMismatch;
    }
    data.erase(data.begin(), data.begin() + 4);
    return code;
}

int TBase_Obmen::TransactRepeated(int expectedLength, int via, const Bytes& payload, Bytes& answer,
                                  int route, bool repeat) {
    const int attempts = repeat ? std::max(Repeats, 1) : 1;
    int code = kNoAnswer;
    for (int i = 0; i < attempts; ++i) {
        code = Transact(expectedLength, via, payload, answer, route);
        if (code != kNegativeAck && code != kLengthMismatch)
            break;
    }
    return code;
}

int TBase_Obmen::ReadParameter(int number, int expectedLength, int extNumber, bool logIt,
                               bool useRepeats, Bytes& data, int address, int via, bool direct) {
    Saved<LogFn> savedLog(OnLog);
    if (!logIt)
        OnLog = nullptr;
    const int route = ChooseRoute(direct, via, address);
    const bool ext = UsesExtNumber(address, extNumber, direct);
    const Bytes payload = direct ? DirectPayload(0x01, address, extNumber, {Lo(number), Hi(number)})
                                 : Bytes{0x04, 0x11, Lo(address), Lo(number), Hi(number)};
    // The echoed extended number comes in front of the data and counts in its length.
    const int expected = expectedLength > 0 && ext ? expectedLength + 4 : expectedLength;
    const int code = TransactRepeated(expected, via, payload, data, route, useRepeats);
    return StripExtNumber(address, extNumber, direct, code, data);
}

int TBase_Obmen::ReadElements(int number, int index, int count, int elementSize, bool many,
                              int extNumber, Bytes& data, int& elementsRead, int address, int via,
                              bool direct) {
    elementsRead = 0;
    data.clear();
    if (FrameKind == kFrameCan)
        count = 1;
    const bool several = count > 1;
    Saved<int> savedTimeout(Timeout);
    if (many)
        Timeout *= 3;
    const int route = ChooseRoute(direct, via, address);
    const bool ext = UsesExtNumber(address, extNumber, direct);
    Bytes payload;
    if (direct) {
        std::vector<uint8_t> args{Lo(number), Hi(number), Lo(index), Hi(index)};
        if (several)
            args.push_back(Lo(count));
        payload = DirectPayload(0x15, address, extNumber, args);
    } else if (several) {
        payload = {0x07,       0x19,      Lo(address), Lo(number),
                   Hi(number), Lo(index), Hi(index),   Lo(count)};
    } else {
        payload = {0x08,       0x14,       0x06,      Lo(address), 0x08,
                   Lo(number), Hi(number), Lo(index), Hi(index)};
    }
    const int expectedData = count * elementSize;
    const int expected = ext ? expectedData + 4 : expectedData;
    const auto wholeElements = [&](int code) {
        return code == kLengthMismatch && !data.empty() && elementSize > 0 &&
               static_cast<int>(data.size()) % elementSize == 0;
    };
    int code = kNoAnswer;
    if (direct) {
        code = Transact(expected, via, payload, data, route);
    } else {
        Saved<int> savedRepeats(Repeats);
        Repeats = 1;
        for (int attempt = 0; attempt <= savedRepeats.Value(); ++attempt) {
            if (attempt > 0)
                ProcessEvents();
            code = Transact(expected, via, payload, data, route);
            if (several && code != kOk && code != kNoAnswer && !wholeElements(code))
                code = kNegativeAck;
            if (code != kNoAnswer && code != kNegativeAck)
                break;
        }
    }
    code = StripExtNumber(address, extNumber, direct, code, data);
    if (wholeElements(code))
        code = kOk;
    if (code == kOk && elementSize > 0)
        elementsRead = static_cast<int>(data.size()) / elementSize;
    return code;
}

int TBase_Obmen::ReadRange(int number, int depth, int maxChunk, int fromIndex, int toIndex,
                           int extNumber, int address, int via, bool direct,
                           std::vector<double>& values) {
    values.clear();
    IndexList.clear();
    if (depth <= 0 || fromIndex < 0 || fromIndex >= depth || toIndex < 0 || toIndex >= depth)
        return kNoDataForPeriod;
    if (maxChunk <= 0)
        maxChunk = 60;
    const bool many = FrameKind > kFrameCan && fromIndex != toIndex;
    Saved<int> savedTimeout(Timeout);
    if (many)
        Timeout *= 5;
    int remaining = (toIndex - fromIndex + depth) % depth + 1;
    int index = fromIndex;
    Bytes data;
    while (remaining > 0) {
        int chunk = index <= toIndex ? toIndex - index + 1 : depth - index;
        chunk = many ? std::min({chunk, maxChunk, remaining}) : 1;
        int read = 0;
        const int code = ReadElements(number, index, chunk, 4, many, extNumber, data, read, address,
                                      via, direct);
        if (code != kOk)
            return code;
        if (read <= 0)
            return kIncompleteData;
        read = std::min(read, chunk);
        for (int i = 0; i < read; ++i) {
            values.push_back(DecodeFloat(
                std::span<const uint8_t, 4>(data.data() + 4 * static_cast<size_t>(i), 4)));
            IndexList.push_back(index);
            index = (index + 1) % depth;
        }
        remaining -= read;
    }
    return kOk;
}

int TBase_Obmen::SetAccessLevel(int level, const std::string& password, int extNumber, int address,
                                int via, bool direct) {
    const bool service = level == kServiceLevel;
    const int asked = level > 3 ? 3 : level;
    std::vector<uint8_t> secret;
    if (service) {
        secret.assign(kServiceCode.begin(), kServiceCode.end());
    } else if (level > 1 && !password.empty()) {
        const auto bytes = PasswordBytes(password);
        secret.assign(bytes.begin(), bytes.end());
    }
    if (level > 1)
        Log("Установка уровня доступа " + std::to_string(asked));
    Saved<LogFn> savedLog(OnLog);
    if (level > 1)
        OnLog = nullptr;
    const int route = ChooseRoute(direct, via, address);
    Bytes payload;
    if (direct) {
        std::vector<uint8_t> args{Lo(asked)};
        args.insert(args.end(), secret.begin(), secret.end());
        payload = DirectPayload(0x17, address, extNumber, args);
    } else {
        payload = {0x00, 0x14, 0x00, Lo(address), 0x05, Lo(asked)};
        payload.insert(payload.end(), secret.begin(), secret.end());
        payload[0] = static_cast<uint8_t>(payload.size() - 1);
        payload[2] = static_cast<uint8_t>(payload.size() - 3);
    }
    const bool ext = UsesExtNumber(address, extNumber, direct);
    Bytes data;
    int code = Transact(ext ? 5 : 1, via, payload, data, route);
    if (code == kPositiveAck)
        return kOk;
    code = StripExtNumber(address, extNumber, direct, code, data);
    if (code == kOk && (data.empty() || data[0] < asked))
        return kAccessDenied;
    return code;
}

int TBase_Obmen::ProbeProtocol(int address, int extNumber, bool alsoReadFlags, bool& flagBit,
                               uint32_t& flags) {
    if (FrameKind == kFrameCan)
        return kOk;
    const Bytes payload = DirectPayload(0x01, address, extNumber, {0x00, 0xF0});
    int code = kNoAnswer;
    {
        Saved<int> savedRepeats(Repeats);
        Repeats = 1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            PacketNo = 1;
            const Bytes frame = BuildFrame(payload, kRoutePlain, RequestControl(kFrameNumbered, 1),
                                           Lo(address), Lo(AdapterNo), Checksum);
            Bytes answer;
            code = SendReceive(frame, answer, 1, address, kFrameNumbered, kRoutePlain, 0);
            if (code == kOk || code == kPacketNoMismatch)
                break;
        }
    }
    if (code != kOk && code != kPacketNoMismatch)
        return code;
    if (code == kPacketNoMismatch && LastAnswerControl >= 0 && (LastAnswerControl & 0x0F) == 0) {
        FrameKind = kFrameUnnumbered;
        PacketNo = 0;
        Log(" FT1.2");
    } else {
        FrameKind = kFrameNumbered;
        Log(" FT1.2+");
    }
    if (!alsoReadFlags)
        return kOk;
    return ReadFlags(address, extNumber, flags, flagBit);
}

int TBase_Obmen::ReadFlags(int address, int extNumber, uint32_t& flags, bool& flagBit) {
    RoutingAllowed = false;
    flags = 0xFFFFFFFFu;
    flagBit = false;
    Bytes data;
    const int code = ReadParameter(0xF01D, 4, extNumber, true, false, data, address, address, true);
    if (code != kOk || data.size() < 4)
        return code != kOk ? code : kLengthMismatch;
    flags = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
            (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
    flagBit = (data[0] & 0x04) != 0;
    RoutingAllowed = (flags & 0x4000u) != 0;
    return kOk;
}
