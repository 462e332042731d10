// The demo world's flash directory: one writing of a heat-metering controller.
#include "model/flash/demo_flash.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/flash/archive_layout.h"
#include "model/flash/archive_writer.h"
#include "platform/codepage.h"
#include "platform/file_search.h"
#include "platform/files.h"

namespace {
constexpr uint16_t kHourDepth = 1536;  // 64 days
constexpr uint16_t kDayDepth = 366;
constexpr uint16_t kMonthDepth = 48;

// Heat-meter readings of a record at time t that covers hours hours: supply and return
// temperature follow the outdoor cold (colder in winter and at night), the flow has a
// morning and an evening peak; mass and energy are summed over the record.
float Reading(DemoQuantity quantity, TDateTime t, double hours) {
    double dayPhase = 2 * std::numbers::pi * (t - std::floor(t));
    double yearPhase = 2 * std::numbers::pi * (t - EncodeDate(2000, 1, 15)) / 365.25;
    double daily = hours < 24 ? 1.0 : 0.0;  // the daily rhythm evens out over longer records
    double cold = 0.5 + 0.5 * std::cos(yearPhase);
    double night = daily * std::cos(dayPhase);
    double supply = 62 + 18 * cold + 3 * night;
    double ret = 42 + 9 * cold + 1.5 * night;
    double flow = 4.2 + 1.6 * cold + daily * 0.9 * std::sin(2 * dayPhase - 0.8);
    switch (quantity) {
        case dqSupplyTemperature:
            return static_cast<float>(supply);
        case dqReturnTemperature:
            return static_cast<float>(ret);
        case dqMass:
            return static_cast<float>(flow * hours);
        case dqEnergy:
            break;
    }
    return static_cast<float>(flow * (supply - ret) * hours / 1000.0);
}

struct KindPlan {
    const char* extension;
    uint16_t depth;
    float step;
    double hoursPerRecord;
};

// Records ending at last: every kind steps back by its step, the monthly one by months.
ArchiveBlockSpec Block(const DemoFlashChannel& ch, const KindPlan& plan, TDateTime last,
                       bool monthly) {
    ArchiveBlockSpec b;
    b.BlockId = ch.BlockId;
    b.Depth = plan.depth;
    b.BlockName = Utf8ToSys(ch.Name);
    b.BlockShortName = Utf8ToSys(ch.ShortName);
    b.BlockTime = last;
    b.Step = plan.step;
    b.Records.resize(plan.depth);
    TDateTime t = last;
    for (size_t i = plan.depth; i-- > 0;) {
        b.Records[i] = RecordOf(Reading(ch.Quantity, t, plan.hoursPerRecord));
        t = monthly ? StartOfTheMonth(IncMonth(t, -1)) : t - plan.step;
    }
    // A power cut: some hours, a day and a month without values.
    const size_t gapStart = plan.depth - plan.depth / 6, gapLength = monthly ? 1 : 3;
    for (size_t i = gapStart; i < gapStart + gapLength; ++i)
        b.Records[i] = ArchiveRecordSpec{0x0001, 0xFFFFFFFFu};
    return b;
}

std::string FileName(const std::string& dir, uint32_t number, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "ARC_%05X%s", static_cast<unsigned>(number), extension);
    return JoinPath(dir, name);
}
}  // namespace

DemoFlashWriting WriteDemoFlash(const std::string& dir, const DemoFlashOptions& options) {
    DemoFlashWriting out;
    std::string message;
    if (!CreateDirectoryPath(dir, message)) {
        out.Error = message;
        return out;
    }
    const TDateTime lastHour = StartOfTheHour(options.FileTime) - 1.0 / 24;
    const TDateTime lastDay = StartOfTheDay(options.FileTime) - 1;
    const TDateTime lastMonth = StartOfTheMonth(IncMonth(options.FileTime, -1));
    const KindPlan plans[] = {
        {".HNS", kHourDepth, 1.0f / 24, 1},
        {".SNS", kDayDepth, 1.0f, 24},
        {".MNS", kMonthDepth, 30.0f, 24 * 30.4},
    };
    const TDateTime lasts[] = {lastHour, lastDay, lastMonth};

    ArchiveFileSpec hourly;
    for (int kind = 0; kind < 3; ++kind) {
        ArchiveFileSpec spec;
        spec.SeriesId = options.SeriesId;
        spec.ModuleWord = options.ModuleWord;
        spec.ModuleNumber = options.ModuleNumber;
        spec.FileTime = options.FileTime;
        for (const DemoFlashChannel& channel : options.Channels)
            spec.Blocks.push_back(Block(channel, plans[kind], lasts[kind], kind == 2));
        std::string file = FileName(dir, options.FileNumber, plans[kind].extension);
        if (!WriteArchiveFile(file, spec)) {
            out.Error = "Cannot write " + file;
            return out;
        }
        out.Files.push_back(file);
        if (kind == 0)
            hourly = std::move(spec);
    }

    // The writing before this one, a week older, with a byte changed after it was written.
    hourly.SeriesId = options.SeriesId - 1;
    hourly.FileTime -= 7;
    std::vector<uint8_t> bytes = EncodeArchiveFile(hourly);
    bytes[kHeadersSize + kBlockHeaderSize + 5] ^= 0x20;
    out.Damaged = FileName(dir, options.FileNumber - 1, ".HNS");
    if (!WriteFileAtomic(out.Damaged, bytes.data(), bytes.size()))
        out.Error = "Cannot write " + out.Damaged;
    return out;
}
