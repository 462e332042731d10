// The steady clock and sleeping pauses of real serial lines.
#include <chrono>
#include <thread>

#include "comm/serial/serial_port.h"

namespace {
class SteadyLineClock : public LineClock {
  public:
    double NowMs() override {
        using namespace std::chrono;
        return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
    }
    void Pause(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};
}  // namespace

LineClock& SystemLineClock() {
    static SteadyLineClock clock;
    return clock;
}
