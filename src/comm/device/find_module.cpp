// FindModule and LoginModule.
#include "comm/device/find_module.h"

#include <cstdio>

#include "comm/device/device_link.h"
#include "comm/device/module_reads.h"
#include "comm/link/custom_link.h"

namespace {
int Word(const Bytes& data) {
    return data.size() >= 2 ? data[0] | (data[1] << 8) : 0;
}

std::string Hex(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

// Restores the exchange's time-out and attempts from the link settings when it ends.
class LinkTimingRestore {
  public:
    explicit LinkTimingRestore(TBase_Obmen& x) : x_(x) {}
    ~LinkTimingRestore() {
        x_.Timeout = x_.Link.Timeout;
        x_.Repeats = x_.Link.Repeats;
    }
    LinkTimingRestore(const LinkTimingRestore&) = delete;
    LinkTimingRestore& operator=(const LinkTimingRestore&) = delete;

  private:
    TBase_Obmen& x_;
};

uint32_t ReadCapabilities(TBase_Obmen& x, int address, int extNumber, RouteTarget route) {
    uint32_t flags = 0;
    if (route.direct) {
        bool flagBit = false;
        return x.ProbeProtocol(address, extNumber, true, flagBit, flags) == kOk ? flags : 0;
    }
    Bytes data;
    if (x.ReadParameter(kParamCapabilities, 4, -1, true, false, data, address, route.via, false) !=
            kOk ||
        data.size() < 4)
        return 0;
    for (int i = 3; i >= 0; --i)
        flags = (flags << 8) | data[static_cast<size_t>(i)];
    return flags;
}
}  // namespace

int FindModule(int address, int reportMode, bool singleAttempt, const StopCallback& stop,
               int extNumber, const FindLogCallback& log, const AcceptCallback& accept,
               FoundModule& found) {
    std::string message;
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return kNoLink;
    LinkTimingRestore restore(*x);
    if (singleAttempt) {
        if (x->Timeout < 2)
            x->Timeout = 1;
        x->Repeats = 1;
    }
    const RouteTarget route = RouteFor(address);
    const auto stopped = [&] { return stop && stop(); };
    if (stopped())
        return kStoppedByOperator;
    Bytes data;
    const auto readType = [&] {
        return x->ReadParameter(kParamTypeCode, 2, extNumber, true, true, data, address, route.via,
                                route.direct);
    };
    int code = readType();
    // A module that does not number its frames answers a numbered request with packet
    // number 0: tell the frame kind and ask again.
    if (code == kPacketNoMismatch && route.direct) {
        bool flagBit = false;
        uint32_t flags = 0;
        if (x->ProbeProtocol(address, extNumber, false, flagBit, flags) == kOk)
            code = readType();
    }
    if (code != kOk)
        return code;
    const int typeCode = Word(data);
    if (accept && !accept(typeCode))
        return kOtherController;

    found = FoundModule{};
    found.capabilities = ReadCapabilities(*x, address, extNumber, route);
    if (stopped())
        return kStoppedByOperator;
    found.typeCode = typeCode;
    std::string text = "Найден модуль " + Hex(typeCode, 4) + " ";
    if (x->ReadParameter(kParamFactoryNo, 2, extNumber, true, true, data, address, route.via,
                         route.direct) == kOk)
        found.factoryNo = Word(data);
    if ((found.capabilities & 0x200u) != 0 &&
        x->ReadParameter(kParamSeries, 2, extNumber, true, true, data, address, route.via,
                         route.direct) == kOk)
        found.series = Word(data);
    const bool hex = extNumber < 0;
    const auto number = [hex](int value, int digits) {
        return hex ? Hex(value, digits) : std::to_string(value);
    };
    const std::string factory = number(found.factoryNo, 4);
    const std::string net = number(address, 2);
    if (reportMode != 0) {
        if (reportMode < 0)
            text = "Найден модуль :";
        if (found.series >= 0)
            text += " cерия " + number(found.series, 4) + ", ";
        text += " заводской номер " + factory + ", сетевой номер " + net;
        found.identity = found.series >= 0 ? number(found.series, 4) + "_" + factory : factory;
    } else {
        found.identity = " " + factory;
        text += " заводской номер " + found.identity + ", сетевой номер " + net;
    }
    if (log)
        log(text, 2);
    return kOk;
}

bool LoginModule(int address, int level, const std::string& password, int extNumber,
                 std::string& message) {
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return false;
    const RouteTarget route = RouteFor(address);
    const int code =
        x->SetAccessLevel(level, password, extNumber, address, route.via, route.direct);
    message = code == kOk ? std::string() : ErrorText(code);
    return code == kOk;
}
