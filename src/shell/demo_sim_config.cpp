// Writing the demo controller's velorm-sim configuration as JSON.
#include "shell/demo_sim_config.h"

#include <nlohmann/json.hpp>

#include "model/flash/demo_flash.h"
#include "reports/hex_values.h"

namespace {

using nlohmann::json;

constexpr const char* kTimeFormat = "yyyy-mm-dd hh:nn:ss";

// Values a·n + b, n being the hour since 2000: a heat meter's readings that drift slowly.
struct Drift {
    double a, b;
};

Drift DriftOf(int number) {
    switch (number) {
        case 0x0101:  // energy, Gcal
            return {0.000004, 0};
        case 0x0102:  // mass, t
            return {0.0001, -10};
        case 0x0103:  // supply temperature, °C
            return {0.0001, 50};
        default:  // return temperature, °C
            return {0.00005, 40};
    }
}

}  // namespace

std::string DemoSimConfigJson(const DemoControllerModule& module) {
    const TDateTime clock = DemoFlashOptions().FileTime;
    json archives = json::array();
    for (const auto& [number, depth] : module.HourlyArchives) {
        const Drift drift = DriftOf(number);
        archives.push_back(
            {{"number", HexDigits(number, 4)},
             {"kind", "hourly"},
             {"depth", depth},
             {"a", drift.a},
             {"b", drift.b},
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
