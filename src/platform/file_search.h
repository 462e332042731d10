// Recursive file search with a stop flag and a time limit, and creation of directory chains.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Program-wide stop flag of file searches: callers clear it before a search; filters that
// found what they wanted, the time limit and the user (a stop button) set it.
extern bool SearchAborted;

// Called with the files of one directory (full paths) and the stop-at-first flag; removes
// the entries it rejects and returns whether any remain. A filter that keeps a file while
// stopAtFirst is set also sets SearchAborted.
using FileFilter = std::function<bool(std::vector<std::string>& files, bool stopAtFirst)>;

// The walk gives up (setting SearchAborted) when it has run longer than this.
inline constexpr std::chrono::milliseconds kFileSearchTimeLimit{7000};

// Breadth-first listing of the files under dir: dir's own files first, then its
// subdirectories level by level, each directory's entries in name order. extension (e.g.
// ".INI", compared in upper case) limits the files taken; "" takes all. Events are pumped
// before and after each directory; symlinked directories are not followed, so a link loop
// cannot make the walk endless. The result keeps the order of finding, without duplicates.
std::vector<std::string> FindFilesRecursive(
    const std::string& dir, const std::string& extension, bool stopAtFirst,
    const FileFilter& filter, std::chrono::milliseconds timeLimit = kFileSearchTimeLimit);

// Creates path with every missing parent. On failure appends to message the reason
// (": не указан путь к каталогу" or ": невозможно создать каталог "<path>"") and returns
// false; on success message is emptied.
bool CreateDirectoryPath(const std::string& path, std::string& message);
