// Breadth-first walk of a directory tree that never follows symlinked directories.
#include "model/configdb/tree_walk.h"

#include <algorithm>
#include <deque>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

TreeLevel ReadLevel(const fs::path& dir) {
    TreeLevel level;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        // A symlinked directory is not entered, so a link loop cannot make the walk endless.
        if (it->is_symlink(typeEc)) {
            if (fs::is_regular_file(it->path(), typeEc))
                level.files.push_back(it->path().filename().string());
        } else if (it->is_directory(typeEc)) {
            level.directories.push_back(it->path().filename().string());
        } else if (it->is_regular_file(typeEc)) {
            level.files.push_back(it->path().filename().string());
        }
    }
    std::sort(level.files.begin(), level.files.end());
    std::sort(level.directories.begin(), level.directories.end());
    return level;
}

}  // namespace

bool WalkTreeBreadthFirst(const std::string& root, const TreeVisitor& visit,
                          size_t maxDirectories) {
    std::deque<std::string> pending{""};
    size_t visited = 0;
    while (!pending.empty()) {
        if (visited == maxDirectories)
            return false;
        ++visited;
        std::string rel = std::move(pending.front());
        pending.pop_front();
        TreeLevel level = ReadLevel(rel.empty() ? fs::path(root) : fs::path(root) / rel);
        if (!visit(rel, level))
            return true;
        for (const std::string& d : level.directories)
            pending.push_back(JoinRelative(rel, d));
    }
    return true;
}

std::string JoinRelative(const std::string& dir, const std::string& name) {
    return dir.empty() ? name : dir + "/" + name;
}
