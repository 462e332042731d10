// The demo world: a configuration database, report forms, a module read from a flash-disk
// directory, a module read from a simulated controller (with the simulator's configuration),
// and a settings file pointing at them, so the program can be tried without a controller.
#pragma once

#include <string>

#include "reports/demo_reports.h"

// The UDP port on 127.0.0.1 where the demo controller module expects its controller.
inline constexpr int kDemoSimPort = 47011;

struct DemoWorld {
    std::string dbDirectory;  // outDir/BD-Zemra
    std::string dbZip;        // outDir/BD-Zemra.zip (the one the settings file names)
    std::string reportsDir;   // outDir/Reports
    std::string modulesDir;   // outDir/Modules
    std::string flashDir;     // outDir/Flash: archive files of the demo module
    std::string simConfig;    // outDir/velorm-sim.json: the controller module's simulator
    DemoReportsWritten reports;
    size_t dbFileCount = 0;
};

// Writes the demo world under outDir (the controller module linked to UDP port simPort). When
// settingsFile is not empty, a settings file naming the zip database and the two directories is
// written there (its directory is created). False with error set when something cannot be written.
bool WriteDemoWorld(const std::string& outDir, const std::string& settingsFile, DemoWorld& world,
                    std::string& error, int simPort = kDemoSimPort);
