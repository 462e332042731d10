// The demo world's report forms and its two modules: a heat meter read from the demo flash
// disk, and the same kind of heat meter read from a simulated controller over UDP.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The module whose source is a controller: where the simulator has to answer and what.
struct DemoControllerModule {
    std::string ModuleDir;  // ModulesDir/07A1_5678
    std::string LinkPath;   // <ModuleDir>/07A1_5678.ini
    int Port = 0;           // UDP port on 127.0.0.1
    int NetworkNumber = 0;  // Common/Setn
    int ModuleNumber = 0;
    int FactoryNumber = 0;
    uint32_t QueueId = 0;  // the identifier of its task queue, which F028h must report
    // Hourly archive parameters of its report files: parameter number -> archive depth.
    std::map<int, int> HourlyArchives;
};

struct DemoReportsWritten {
    std::vector<std::string> Descriptors;    // in ReportsDir
    std::string ModuleDir;                   // ModulesDir/07A1_1234
    std::string QueuePath;                   // <ModuleDir>/07A1_1234.tsk
    std::string LinkPath;                    // <ModuleDir>/07A1_1234.ini
    std::vector<std::string> ModuleReports;  // <ModuleDir>/Reports/...
    DemoControllerModule Controller;
};

// Writes an hourly and a daily report form into reportsDir, and into modulesDir the module
// 07A1_1234: its task queue rebuilt from the archive files in flashDir over the demo database
// in dbDir, a link file whose data source is that flash directory (with an RS-232 link beside it),
// and one module report file per form assigning the queue's archive parameters to the columns. The
// configuration database object is pointed at dbDir for the queue and given back as it was.
// Beside it goes the controller module 07A1_5678: the same task queue with its own factory
// number, a link file whose data source is a controller on UDP 127.0.0.1:controllerPort, and
// report files assigning the hourly archive parameters only. False with error set when
// something cannot be written.
bool WriteDemoReports(const std::string& dbDir, const std::string& reportsDir,
                      const std::string& modulesDir, const std::string& flashDir,
                      int controllerPort, DemoReportsWritten& written, std::string& error);
