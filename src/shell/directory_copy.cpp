// Copying the contents of a report-forms or modules directory to another place.
#include "shell/directory_copy.h"

#include <filesystem>
#include <system_error>

#include "platform/file_search.h"
#include "platform/files.h"

namespace fs = std::filesystem;

std::vector<std::string> ListFilesToCopy(const std::string& dir) {
    SearchAborted = false;
    return FindFilesRecursive(dir, "", false, nullptr);
}

namespace {

// Where one file goes; "" when it does not lie under fromDir.
std::string TargetOf(const std::string& file, const std::string& fromDir, const std::string& toDir,
                     bool flatten) {
    if (flatten)
        return JoinPath(toDir, ExtractFileName(file));
    const fs::path relative =
        fs::path(file).lexically_relative(fs::path(ExcludeTrailingPathDelimiter(fromDir)));
    if (relative.empty() || *relative.begin() == "..")
        return "";
    return JoinPath(toDir, relative.string());
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(fs::path(a), fs::path(b), ec) && !ec;
}

bool CopyOne(const std::string& file, const std::string& target) {
    if (target.empty())
        return false;
    if (SameFile(file, target))
        return true;
    std::string message;
    return CreateDirectoryPath(ExcludeTrailingPathDelimiter(ExtractFilePath(target)), message) &&
           CopyFileOverwrite(file, target);
}

}  // namespace

bool CopyFilesTo(const std::vector<std::string>& files, const std::string& fromDir,
                 const std::string& toDir, bool flatten) {
    bool ok = true;
    for (const std::string& file : files)
        ok = CopyOne(file, TargetOf(file, fromDir, toDir, flatten)) && ok;
    return ok;
}
