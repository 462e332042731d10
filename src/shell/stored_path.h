// Paths read back from the settings file: fallback to their ANSI form, defaults for directories.
#pragma once

#include <string>

// Path unchanged, except when kind is 1 (directory) or 0 (file), path is not empty and names
// nothing of that kind, while its cp1251-to-UTF-8 conversion does: then the converted form.
// ASCII paths are never changed.
std::string NormalizeStoredPath(int kind, const std::string& path);

// Normalises dir as a directory path. Returns true when it names an existing directory;
// otherwise dir becomes def and the result says whether def names an existing directory.
bool CheckDirOrDefault(std::string& dir, const std::string& def);
