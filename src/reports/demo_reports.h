// The demo world's report forms and its module: a heat meter read from the demo flash disk.
#pragma once

#include <string>
#include <vector>

struct DemoReportsWritten {
    std::vector<std::string> Descriptors;    // in ReportsDir
    std::string ModuleDir;                   // ModulesDir/07A1_1234
    std::string QueuePath;                   // <ModuleDir>/07A1_1234.tsk
    std::string LinkPath;                    // <ModuleDir>/07A1_1234.ini
    std::vector<std::string> ModuleReports;  // <ModuleDir>/Reports/...
};

// Writes an hourly and a daily report form into reportsDir, and into modulesDir the module
// 07A1_1234: its task queue rebuilt from the archive files in flashDir over the demo database
// in dbDir, a link file whose data source is that flash directory (with an RS-232 link beside it),
// and one module report file per form assigning the queue's archive parameters to the columns. The
// configuration database object is pointed at dbDir for the queue and given back as it was. False
// with error set when something cannot be written.
bool WriteDemoReports(const std::string& dbDir, const std::string& reportsDir,
                      const std::string& modulesDir, const std::string& flashDir,
                      DemoReportsWritten& written, std::string& error);
