// Recognising report and module files, and searching for the directories that hold them.
#pragma once

#include <string>
#include <vector>

// Search filters for FindFilesRecursive: each gets the files of one directory (full paths),
// removes those it rejects and returns whether any remain. With stopAtFirst only the first
// accepted file is kept and SearchAborted is set when there is one, which ends the search.

// *.INI (extension in any letter case) with a "Report" section.
bool IsReportFile(std::vector<std::string>& files, bool stopAtFirst);
// *.INI with a "Report" section holding the key "Columns".
bool IsReportDescriptorFile(std::vector<std::string>& files, bool stopAtFirst);
// *.INI with the keys "VS" and "Zn" in its "Common" section.
bool IsModuleLinkFile(std::vector<std::string>& files, bool stopAtFirst);

// True when files (in list order) hold an *.INI file with the sections "Report" and "Header"
// and the key "Report"/"Columns".
bool HasValidReportForm(const std::vector<std::string>& files);

// The directory of the first report descriptor under path (breadth-first); "" when none is
// found, the search was stopped or it ran out of time. Clears SearchAborted first.
std::string FindReportsDirectory(const std::string& path);
// The parent of the directory of the first module link file under path; "" when none.
std::string FindModulesDirectory(const std::string& path);
