// Paths read back from the settings file: fallback to their ANSI form, defaults for directories.
#include "shell/stored_path.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "shell/settings_keys.h"

namespace {

bool PathExistsAs(int kind, const std::string& path) {
    return kind == kDbKindDirectory ? DirectoryExists(path) : FileExists(path);
}

}  // namespace

std::string NormalizeStoredPath(int kind, const std::string& path) {
    if ((kind != kDbKindZip && kind != kDbKindDirectory) || path.empty() ||
        PathExistsAs(kind, path))
        return path;
    std::string converted = SysToUtf8(path);
    return PathExistsAs(kind, converted) ? converted : path;
}

bool CheckDirOrDefault(std::string& dir, const std::string& def) {
    dir = NormalizeStoredPath(kDbKindDirectory, dir);
    if (!dir.empty() && DirectoryExists(dir))
        return true;
    dir = def;
    return !def.empty() && DirectoryExists(def);
}
