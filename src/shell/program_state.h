// Program-wide settings and directories of the shell, shared by all windows.
#pragma once

#include <memory>
#include <string>

#include "model/algorithms/spis_alg.h"

// The in-memory form of the settings file's paths plus the shell's own flags. All paths are
// UTF-8; everything starts empty and the reload flag false.
struct ProgramState {
    std::string SettingsFileName;  // full path of the settings file
    std::string ReportsDir;        // report form descriptors ("WayReports")
    std::string ModulesDir;        // one subdirectory per module ("WayModuls")
    std::string FlashDiskDir;      // last flash-disk directory ("WayUSBFlash")
    std::string QuickSaveDir;      // output of the quick save ("WayFast")
    std::string DbPath;            // configuration database currently open
    std::string LastDir;           // scratch directory "Last", emptied at every activation
    std::string ReopenModulePath;  // request to open the link window on one module
    bool DbReloadPending = false;  // load the database contents at the next ApplyConfiguration
    // The one algorithm library: made by the first activation, destroyed at exit.
    std::unique_ptr<TSpisAlg> AlgorithmList;
};

// The one program-wide instance.
ProgramState& Shell();
