// Connect, Disconnect, the stop flag and the adapter check of the program's link.
#include "comm/device/device_link.h"

#include "comm/transport/comport.h"
#include "comm/transport/ip_obmen.h"

const char kNoLinkText[] = "Не установлены параметры связи";

namespace {
const char kNotAvailableText[] = " (этот вид связи пока не поддерживается)";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool TransportComesLater(TLinkType type) {
    return type == ltIWend15 || type == ltCANbus || type == ltHayes || type == ltGSM;
}

// The exchange of a link kind, built on the state's own copy of the settings; nullptr for
// kinds without a transport and for settings whose class does not fit their kind.
std::unique_ptr<TBase_Obmen> NewExchange(const TCustomLink& link, TDeviceState& state) {
    switch (link.Type) {
        case lt232:
        case lt485:
        case ltIWend73:
            if (const auto* rs = dynamic_cast<const TRSLink*>(&link)) {
                state.LinkSettings = std::make_unique<TRSLink>(*rs);
                return std::make_unique<T_Comport>(*state.LinkSettings);
            }
            return nullptr;
        case ltTCP:
        case ltUDP:
            if (const auto* ip = dynamic_cast<const TIPLink*>(&link)) {
                state.LinkSettings = std::make_unique<TIPLink>(*ip);
                if (link.Type == ltTCP)
                    return std::make_unique<T_TCPObmen>(*state.LinkSettings);
                return std::make_unique<T_UdpObmen>(*state.LinkSettings);
            }
            return nullptr;
        default:
            return nullptr;
    }
}
}  // namespace

TDeviceState& Device() {
    static TDeviceState state;
    return state;
}

RouteTarget RouteFor(int address) {
    const TDeviceState& state = Device();
    if (state.Direct)
        return {address, true};
    return {state.AdapterByte, false};
}

TBase_Obmen* LinkedExchange(std::string& message) {
    TBase_Obmen* x = Device().Exchange.get();
    if (!x)
        message = kNoLinkText;
    return x;
}

bool Connect(const TCustomLink& link, int adapterNumber, std::string& message, double answerWindow,
             ProgressCallback progress, LogCallback log) {
    TDeviceState& state = Device();
    message.clear();
    Disconnect();
    if (TransportComesLater(link.Type)) {
        state.ConnectCode = kLinkKindNotAvailable;
        message = ErrorText(kLinkKindNotAvailable) + kNotAvailableText;
        return false;
    }
    state.Exchange = NewExchange(link, state);
    if (!state.Exchange) {
        state.LinkSettings.reset();
        state.ConnectCode = kNoLink;
        message = kNoLinkText;
        return false;
    }
    TBase_Obmen& x = *state.Exchange;
    x.OnLog = log;
    x.OnProgress = progress;
    // A number above 255 is no adapter: the modules are addressed directly, and the
    // exchange must know that too, or it would route direct requests to a made-up adapter.
    if (adapterNumber > 255)
        adapterNumber = -1;
    std::string portText;
    const int code = x.Open(portText);
    x.AdapterNo = adapterNumber;
    state.ConnectCode = code;
    message = ErrorText(code);
    if (code != kOk) {
        if (log)
            log(portText + message, kLogSummary);
        if (code > 0)
            message = portText + " \r" + Trimmed(message);
    }
    state.Direct = adapterNumber < 0;
    state.AdapterByte = static_cast<uint8_t>(adapterNumber & 0xFF);
    if (answerWindow > 0)
        x.ContinuationWait = answerWindow;
    return code == kOk;
}

bool Disconnect() {
    TDeviceState& state = Device();
    state.Exchange.reset();
    state.LinkSettings.reset();
    return true;
}

void RequestStop(bool flag) {
    Device().StopRequested = flag;
}

bool StopRequested() {
    return Device().StopRequested;
}

int CheckAdapter(std::string& message) {
    TDeviceState& state = Device();
    if (!LinkedExchange(message))
        return kNoLink;
    message.clear();
    if (state.Direct)
        return kOk;
    const int code = state.Exchange->ProbeProtocol(state.AdapterByte, -1, true,
                                                   state.AdapterFlagBit, state.AdapterFlags);
    message = ErrorText(code);
    return code;
}

void ConnectionErrorText(std::string& message) {
    message = Device().Exchange ? "  Выход по требованию оператора " : kNoLinkText;
}
