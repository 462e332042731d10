// The program-wide event pump: empty until the GUI sets it.
#include "platform/event_pump.h"

namespace {
std::function<void()>& Pump() {
    static std::function<void()> pump;
    return pump;
}
}  // namespace

void ProcessEvents() {
    if (Pump())
        Pump()();
}

void SetEventPump(std::function<void()> pump) {
    Pump() = std::move(pump);
}
