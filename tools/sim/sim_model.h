// The simulated controllers: an optional adapter and modules with parameters and archives.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/date_time.h"

namespace sim {

using Bytes = std::vector<uint8_t>;

enum class ArchiveKind { Hour, Day, Month };

// One archive parameter: a ring of depth records whose value is a·n + b, n being the
// period's ordinal (hours, days or months since 2000-01-01); gaps and records before
// firstRecord read FF FF FF FF.
struct SimArchive {
    int number = 0;
    ArchiveKind kind = ArchiveKind::Hour;
    int depth = 0;
    double a = 1, b = 0;
    std::set<double> gaps;  // period starts without a record
    TDateTime firstRecord = 0;
};

struct SimClock {
    TDateTime start = 0;
    bool frozen = true;
};

struct SimModule {
    int net = 1;
    long long ext = -1;  // extended number, -1 none
    int type = 0;
    int factory = 0;
    int series = -1;  // -1: the module has no series parameter
    uint32_t caps = 0;
    bool numbered = true;
    SimClock clock;
    int reportHour = 0;
    int reportDay = 1;
    uint32_t taskId = 0;
    std::string password;  // hexadecimal; levels 2 and 3 need it
    Bytes serviceCode = {0x5A, 0x3C, 0xA5, 0xC3};
    std::map<int, Bytes> params;  // further parameters by number
    std::set<int> nak;            // parameters answered with a negative acknowledgement
    std::vector<SimArchive> archives;
};

struct SimAdapter {
    int net = 0;
    int type = 0;
    uint32_t caps = 0;
    bool numbered = true;
};

struct SimFaults {
    int dropEvery = 0;     // every Nth answer is not sent
    int corruptEvery = 0;  // every Nth answer has a wrong checksum
    int noise = 0;         // bytes of noise before every answer
    int delayMs = 0;       // pause before every answer
    int paceBaud = 0;      // answers sent at this line speed (10 bits a byte); 0 at once
};

struct SimConfig {
    std::optional<SimAdapter> adapter;
    std::vector<SimModule> modules;
    SimFaults faults;
};

struct SimCounters {
    long long requests = 0, answers = 0, dropped = 0, corrupted = 0, ignored = 0;
};

// Reads a JSON configuration; throws std::runtime_error with a readable message.
SimConfig LoadSimConfig(const std::string& path);
SimConfig ParseSimConfig(const std::string& json);

// The time of a simulated clock now.
TDateTime ClockNow(const SimClock& clock);

// BCD byte of 0..99.
uint8_t Bcd(int value);

}  // namespace sim
