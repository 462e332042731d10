// Loader of a configuration database kept as a directory tree.
#include "model/configdb/files_loader_fs.h"

#include <filesystem>
#include <unordered_map>

#include "model/configdb/db_names.h"
#include "model/configdb/tree_walk.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

bool HasSubdirectory(const TreeLevel& level, const std::string& name) {
    for (const std::string& d : level.directories)
        if (SameText(d, name))
            return true;
    return false;
}

bool HasDatabaseSubdirectories(const TreeLevel& level) {
    for (int kind = 0; kind < kDbFileKindCount; ++kind)
        if (!HasSubdirectory(level, DbKindDirectory(kind)))
            return false;
    return true;
}

}  // namespace

bool tKesh_BDZemra_FilesLoader_FS::Detect() {
    detected_ = false;
    fileCount_ = 0;
    std::string found;
    bool complete = WalkTreeBreadthFirst(
        path_,
        [&](const std::string& dir, const TreeLevel& level) {
            if (!HasDatabaseSubdirectories(level))
                return true;
            found = dir;
            detected_ = true;
            return false;
        },
        kMaxDetectDirectories);
    if (!complete)
        AddProblem("Каталог BD-Zemra не найден в первых " + std::to_string(kMaxDetectDirectories) +
                   " каталогах \"" + path_ + "\"");
    if (!detected_)
        return false;
    if (!found.empty())
        path_ = JoinPath(path_, found);
    std::vector<std::string> files;
    ListFiles(files);
    fileCount_ = files.size();
    return true;
}

void tKesh_BDZemra_FilesLoader_FS::SetPath(const std::string& path) {
    path_ = path;
}

bool tKesh_BDZemra_FilesLoader_FS::Reload() {
    if (!DirectoryExists(path_))
        return false;
    std::vector<std::string> files;
    ListFiles(files);
    LoadFiles(files);
    return true;
}

bool tKesh_BDZemra_FilesLoader_FS::LoadFiles(const std::vector<std::string>& names) {
    Clear();
    bool all = true;
    for (const std::string& name : names)
        if (!LoadFile(name))
            all = false;
    return all;
}

MemoryStream* tKesh_BDZemra_FilesLoader_FS::GetStream(const std::string& name) {
    std::string wanted(FileNamePart(name));
    std::string found;
    WalkTreeBreadthFirst(path_, [&](const std::string& dir, const TreeLevel& level) {
        for (const std::string& f : level.files) {
            if (SameText(f, wanted)) {
                found = JoinRelative(dir, f);
                return false;
            }
        }
        return true;
    });
    if (found.empty())
        return nullptr;
    if (MemoryStream* cached = EntryNamed(found))
        return cached;
    return LoadFile(found);
}

void tKesh_BDZemra_FilesLoader_FS::ListFiles(std::vector<std::string>& list) {
    list.clear();
    WalkTreeBreadthFirst(path_, [&](const std::string& dir, const TreeLevel& level) {
        for (const std::string& f : level.files) {
            std::string rel = JoinRelative(dir, f);
            if (DatabaseFileKind(rel) >= 0)
                list.push_back(std::move(rel));
        }
        return true;
    });
}

void tKesh_BDZemra_FilesLoader_FS::ResolveNames(std::vector<std::string>& list) {
    std::vector<std::string> files;
    ListFiles(files);
    std::unordered_map<std::string_view, const std::string*> byFileName;
    for (const std::string& f : files)
        byFileName.try_emplace(FileNamePart(f), &f);
    for (std::string& name : list) {
        auto it = byFileName.find(FileNamePart(name));
        if (it != byFileName.end())
            name = *it->second;
    }
}

std::string tKesh_BDZemra_FilesLoader_FS::FindFile(const std::string& name) {
    std::vector<std::string> resolved{name};
    ResolveNames(resolved);
    return resolved.front();
}

MemoryStream* tKesh_BDZemra_FilesLoader_FS::LoadFile(const std::string& relativeName) {
    if (!IsInsideRelativeName(relativeName))
        return nullptr;
    fs::path full = fs::path(path_) / relativeName;
    std::error_code ec;
    if (!fs::is_regular_file(full, ec))
        return nullptr;
    uint64_t size = fs::file_size(full, ec);
    if (!ec && !WithinLimits(relativeName, size))
        return nullptr;
    std::optional<std::vector<uint8_t>> bytes;
    if (!ec)
        bytes = ReadWholeFile(full.string(), kMaxDbEntryBytes);
    if (!bytes) {
        SkipFile(relativeName, "не удалось прочитать");
        return nullptr;
    }
    return Keep(relativeName, std::move(*bytes));
}
