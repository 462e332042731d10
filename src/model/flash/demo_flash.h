// The demo world's flash directory: one writing of a heat-metering controller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/date_time.h"

// What a demo channel measures.
enum DemoQuantity { dqEnergy, dqMass, dqSupplyTemperature, dqReturnTemperature };

// One archived parameter of the demo controller.
struct DemoFlashChannel {
    DemoQuantity Quantity = dqEnergy;
    uint16_t BlockId = 0;
    std::string Name;       // UTF-8; stored in cp1251
    std::string ShortName;  // UTF-8; stored in cp1251
};

struct DemoFlashOptions {
    uint16_t ModuleNumber = 0x07A1;  // the heat meter of the demo database
    uint16_t ModuleWord = 0x1234;    // factory number
    uint32_t SeriesId = 0x00A51C01;
    uint32_t FileNumber = 0x1C;  // hexadecimal number in the file names
    TDateTime FileTime = EncodeDateTime(2024, 3, 15, 10, 30, 0);
    // The parameters that the demo database's archive algorithms refer to.
    std::vector<DemoFlashChannel> Channels = {
        {dqEnergy, 0x0101, "Тепловая энергия", "Q"},
        {dqMass, 0x0102, "Масса теплоносителя", "M"},
        {dqSupplyTemperature, 0x0103, "Температура подачи", "T1"},
        {dqReturnTemperature, 0x0104, "Температура обратки", "T2"},
    };
};

struct DemoFlashWriting {
    std::vector<std::string> Files;  // hourly, daily and monthly file of the writing
    std::string Damaged;             // an older hourly file whose CRC fails
    std::string Error;               // UTF-8; empty on success
};

// Writes ARC_<number>.HNS/.SNS/.MNS (BCD times with CRC, full archive depths, a few missing
// records) and the damaged ARC_<number - 1>.HNS into dir, creating it when missing.
DemoFlashWriting WriteDemoFlash(const std::string& dir,
                                const DemoFlashOptions& options = DemoFlashOptions());
