// Breadth-first walk of a directory tree that never follows symlinked directories.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What one directory holds: regular files (symlinks to files included) and real
// subdirectories, each list sorted by name; anything else is left out.
struct TreeLevel {
    std::vector<std::string> files;
    std::vector<std::string> directories;
};

// Called for each directory with its path relative to the root ("" for the root itself,
// "/"-separated) and its contents; returns false to end the walk.
using TreeVisitor = std::function<bool(const std::string& relativeDir, const TreeLevel& level)>;

// Visits root and then its subdirectories level by level. Directories that cannot be read
// count as empty. Gives up after maxDirectories directories and then returns false;
// otherwise returns true (also when the visitor ended the walk).
bool WalkTreeBreadthFirst(const std::string& root, const TreeVisitor& visit,
                          size_t maxDirectories = SIZE_MAX);

// "dir/name", or name alone when dir is "".
std::string JoinRelative(const std::string& dir, const std::string& name);
