// Breadth-first file search with a stop flag and a time limit, and creation of directory chains.
#include "platform/file_search.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "platform/event_pump.h"
#include "platform/files.h"

namespace fs = std::filesystem;

bool SearchAborted = false;

namespace {

struct DirectoryListing {
    std::vector<std::string> subdirectories;  // real directories, symbolic links left out
    std::vector<std::string> files;           // regular files (symbolic links followed)
};

// Full paths of one directory's entries in name order; an unreadable directory lists nothing.
DirectoryListing ListForSearch(const std::string& dir) {
    std::vector<std::pair<std::string, bool>> entries;  // name, is a real directory
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const bool link = it->is_symlink(typeError);
        if (!link && it->is_directory(typeError))
            entries.emplace_back(it->path().filename().string(), true);
        else if (it->is_regular_file(typeError))
            entries.emplace_back(it->path().filename().string(), false);
    }
    std::sort(entries.begin(), entries.end());
    DirectoryListing listing;
    for (const auto& [name, isDirectory] : entries)
        (isDirectory ? listing.subdirectories : listing.files).push_back(JoinPath(dir, name));
    return listing;
}

}  // namespace

std::vector<std::string> FindFilesRecursive(const std::string& dir, const std::string& extension,
                                            bool stopAtFirst, const FileFilter& filter,
                                            std::chrono::milliseconds timeLimit) {
    const std::string wantedExt = UpperCase(extension);
    std::vector<std::string> result;
    std::unordered_set<std::string> taken;
    std::vector<std::string> directories;

    auto searchDirectory = [&](const std::string& path) {
        ProcessEvents();
        DirectoryListing listing = ListForSearch(path);
        directories.insert(directories.end(), listing.subdirectories.begin(),
                           listing.subdirectories.end());
        if (filter)
            filter(listing.files, stopAtFirst);
        for (std::string& file : listing.files) {
            if (!wantedExt.empty() && UpperCase(ExtractFileExt(file)) != wantedExt)
                continue;
            if (taken.insert(file).second)
                result.push_back(std::move(file));
        }
        ProcessEvents();
    };

    searchDirectory(dir);
    const auto start = std::chrono::steady_clock::now();
    // The list grows while it is walked, which makes the walk breadth-first.
    for (size_t i = 0; i < directories.size() && !SearchAborted; ++i) {
        searchDirectory(directories[i]);
        if (std::chrono::steady_clock::now() - start > timeLimit) {
            SearchAborted = true;
            break;
        }
    }
    return result;
}

bool CreateDirectoryPath(const std::string& path, std::string& message) {
    if (path.empty()) {
        message += ": не указан путь к каталогу";
        return false;
    }
    // Every prefix of the path that ends a component is created in turn when it does not
    // exist; the last one must end up a directory.
    size_t pos = 0;
    while (pos < path.size()) {
        size_t next = path.find(PathDelim, pos);
        if (next == std::string::npos)
            next = path.size();
        const std::string built = path.substr(0, next);
        pos = next + 1;
        const bool last = path.find_first_not_of(PathDelim, next) == std::string::npos;
        std::error_code ec;
        if (built.empty() || built.back() == PathDelim || DirectoryExists(built) ||
            (!last && fs::exists(fs::path(built), ec)))
            continue;
        fs::create_directory(fs::path(built), ec);
        if (!DirectoryExists(built)) {
            message += ": невозможно создать каталог \"" + built + "\"";
            return false;
        }
    }
    message.clear();
    return true;
}
