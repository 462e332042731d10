// The settings check run at every activation of the main window.
#pragma once

#include <string>

// Re-reads the paths of the settings file into Shell(), opens the configuration database
// (Shell().DbPath is set only when that succeeds) and checks the report-forms and modules
// directories, falling back to the given defaults. True when the database opened and both
// directories exist. The first successful check on a profile without a settings file writes
// the file with the keys WayBD, WayReports, WayModuls and WayUSBFlash.
bool CheckSettings(const std::string& defaultReportsDir, const std::string& defaultModulesDir);

// The database path tried when the settings file names none: the vendor folder's
// "BD-Zemra.zip" (the vendor folder is created when missing).
std::string DefaultDbPath();
