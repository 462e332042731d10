// The demo world: a configuration database, report-forms and modules directories, and a
// settings file pointing at them, so the program can be tried without a controller.
#pragma once

#include <string>

struct DemoWorld {
    std::string dbDirectory;  // outDir/BD-Zemra
    std::string dbZip;        // outDir/BD-Zemra.zip (the one the settings file names)
    std::string reportsDir;   // outDir/Reports
    std::string modulesDir;   // outDir/Modules
    size_t dbFileCount = 0;
};

// Writes the demo world under outDir. When settingsFile is not empty, a settings file naming
// the zip database and the two directories is written there (its directory is created).
// False with error set when something cannot be written.
bool WriteDemoWorld(const std::string& outDir, const std::string& settingsFile, DemoWorld& world,
                    std::string& error);
