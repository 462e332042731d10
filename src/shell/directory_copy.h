// Copying the contents of a report-forms or modules directory to another place.
#pragma once

#include <string>
#include <vector>

// Every file under dir, breadth-first in name order (the search flag is cleared first).
std::vector<std::string> ListFilesToCopy(const std::string& dir);

// Copies files (all lying under fromDir) into toDir, overwriting. Flattened, every file goes
// straight into toDir under its own name; otherwise its path relative to fromDir is kept and
// missing directories are created. A file that would be copied onto itself counts as done.
// Returns false when any copy failed; the others are still made.
bool CopyFilesTo(const std::vector<std::string>& files, const std::string& fromDir,
                 const std::string& toDir, bool flatten);
