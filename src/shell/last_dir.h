// Emptying the scratch directory "Last".
#pragma once

#include <string>

// Deletes every file and subdirectory inside dir, keeping dir itself. Symbolic links are
// removed as links; what they point to is left alone. An empty dir or one that does not
// exist is left alone. Returns false when something could not be deleted.
bool ClearDirectoryContents(const std::string& dir);

// ClearDirectoryContents(Shell().LastDir).
bool ClearLastDir();
