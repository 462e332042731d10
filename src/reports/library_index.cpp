// Rebuilding and reading the report library index.
#include "reports/library_index.h"

#include "model/queue/task_cl.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace {

std::string IndexPath(const std::string& libraryDir) {
    return JoinPath(libraryDir, "replib.ini");
}

// The directory the index keys are relative to.
std::string KeyBase(const std::string& libraryDir) {
    return IncludeTrailingPathDelimiter(ExtractFilePath(ExcludeTrailingPathDelimiter(libraryDir)));
}

bool LeadsOutside(const std::string& key) {
    return key.empty() || key.front() == '/' || key.front() == '\\' ||
           key.find("..") != std::string::npos || key.find(':') != std::string::npos;
}

}  // namespace

bool RebuildLibraryIndex(const std::string& libraryDir) {
    if (!DirectoryExists(libraryDir))
        return true;
    SearchAborted = false;
    const std::vector<std::string> queues = FindFilesRecursive(libraryDir, ".TSK", false, nullptr);
    DeleteFileAt(IndexPath(libraryDir));
    IniFile index(IndexPath(libraryDir));
    const std::string base = KeyBase(libraryDir);
    for (const std::string& file : queues) {
        const Task_CL queue(file);
        const std::string key = file.starts_with(base) ? file.substr(base.size()) : file;
        index.WriteString(queue.IdText(""), key, "");
    }
    return index.Save();
}

std::vector<std::string> FindLibraryEntries(const std::string& identifier,
                                            const std::string& libraryDir) {
    std::vector<std::string> entries;
    if (!DirectoryExists(libraryDir))
        return entries;
    const IniFile index(IndexPath(libraryDir));
    for (const std::string& key : index.ReadSection(identifier))
        if (!LeadsOutside(key))
            entries.push_back(KeyBase(libraryDir) + key);
    return entries;
}
