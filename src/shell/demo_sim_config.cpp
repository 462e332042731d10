// Writing the demo controller's velorm-sim configuration as JSON.
#include "shell/demo_sim_config.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "model/flash/demo_flash.h"
#include "reports/hex_values.h"

namespace {

using nlohmann::json;

constexpr const char* kTimeFormat = "yyyy-mm-dd hh:nn:ss";

// A channel's records change by `perHour` every hour and read `atClock` at the hour before the
// demo clock; the simulator's a·n + b (n the hour since 2000) is derived from them.
struct Drift {
    double perHour, atClock;
};

Drift DriftOf(int number) {
    switch (number) {
        case 0x0101:  // energy, Gcal
            return {0.0005, 0.15};
        case 0x0102:  // mass, t
            return {0.002, 4.2};
        case 0x0103:  // supply temperature, °C
            return {-0.01, 75};
        default:  // return temperature, °C
            return {-0.005, 48};
    }
}

}  // namespace

std::string DemoSimConfigJson(const DemoControllerModule& module) {
    const TDateTime clock = DemoFlashOptions().FileTime;
    json archives = json::array();
    const double lastHour = std::round((clock - EncodeDate(2000, 1, 1)) * 24) - 1;
    for (const auto& [number, depth] : module.HourlyArchives) {
        const Drift drift = DriftOf(number);
        archives.push_back(
            {{"number", HexDigits(number, 4)},
             {"kind", "hourly"},
             {"depth", depth},
             {"a", drift.perHour},
             {"b", drift.atClock - drift.perHour * lastHour},
             {"gaps", {FormatDateTime(kTimeFormat, StartOfTheHour(clock - 1 - 5.0 / 24))}}});
    }
    const json config = {
        {"modules",
         {{{"net", module.NetworkNumber},
           {"type", HexDigits(module.ModuleNumber, 4)},
           {"factory", HexDigits(module.FactoryNumber, 4)},
           {"clock", {{"time", FormatDateTime(kTimeFormat, clock)}, {"frozen", true}}},
           {"report_hour", 0},
           {"report_day", 1},
           {"task_id", HexDigits(module.QueueId, 8)},
           {"archives", archives}}}}};
    return config.dump(2) + "\n";
}
