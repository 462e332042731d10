// Emptying the scratch directory "Last".
#include "shell/last_dir.h"

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "shell/program_state.h"

namespace fs = std::filesystem;

bool ClearDirectoryContents(const std::string& dir) {
    // An empty name would mean the working directory: never empty that by accident.
    if (dir.empty() || !DirectoryExists(dir))
        return true;
    bool ok = true;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeError;
        fs::remove_all(it->path(), removeError);
        ok = ok && !removeError;
    }
    return ok && !ec;
}

bool ClearLastDir() {
    return ClearDirectoryContents(Shell().LastDir);
}
