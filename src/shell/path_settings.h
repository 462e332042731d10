// Saving the path dialog's choices: the database, the report-forms and modules directories.
#pragma once

#include <string>

// Whether the database contents must be loaded again after the path dialog saved: a different
// database always, the same one (requestedPath equal to savedPath) only when not all of its
// files are loaded. Returns the new value of the pending flag.
bool ReloadPendingAfterSave(bool pending, bool dbOpened, const std::string& requestedPath,
                            const std::string& savedPath, size_t entryCount, size_t fileCount);

// Why saving failed; the numbers are the dialog's states that move the focus.
enum PathSaveState {
    pssSaved = 0,
    pssDbClosed = 1,            // the configuration database is not open
    pssReportsDirFailed = 5,    // the report-forms directory could not be created
    pssModulesDirFailed = 6,    // the modules directory could not be created
    pssSettingsNotWritten = 7,  // the settings file could not be written
};

// Checks and stores the dialog's edits. Updates Shell().DbReloadPending from ConfigDb()
// against savedDbPath (the database in force when the dialog was shown); creates the two
// directories when missing (reports first; the modules directory only when that worked).
// When the database is open and both directories exist, writes WayBD, BDZemratype,
// WayReports and WayModuls (in this order) into the settings file and then takes DbPath,
// ReportsDir and ModulesDir into Shell(). Nothing is stored unless everything succeeded.
PathSaveState SavePathSettings(const std::string& reportsDir, const std::string& modulesDir,
                               const std::string& savedDbPath);
