// Base of the loaders: the version file, the size limits and the list of problems met.
#include "model/configdb/files_loader_core.h"

#include <unordered_map>
#include <utility>

#include "model/configdb/db_names.h"

void tKesh_BDZemra_FilesLoader_CORE::Clear() {
    tKesh_BDZemra_Files_CORE::Clear();
    bytesKept_ = 0;
}

std::string tKesh_BDZemra_FilesLoader_CORE::GetVersion() {
    MemoryStream* s = GetStream(FindFile("version.txt"));
    std::string text;
    if (s)
        text.assign(s->Data().begin(), s->Data().end());
    Clear();
    return text;
}

bool tKesh_BDZemra_FilesLoader_CORE::Reload() {
    if (!Readable())
        return false;
    std::vector<std::string> files;
    ListFiles(files);
    LoadFiles(files);
    return true;
}

bool tKesh_BDZemra_FilesLoader_CORE::LoadFiles(const std::vector<std::string>& names) {
    Clear();
    bool all = true;
    for (const std::string& name : names)
        if (!LoadNamed(name))
            all = false;
    return all;
}

void tKesh_BDZemra_FilesLoader_CORE::ResolveNames(std::vector<std::string>& list) {
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

std::string tKesh_BDZemra_FilesLoader_CORE::FindFile(const std::string& name) {
    std::vector<std::string> resolved{name};
    ResolveNames(resolved);
    return resolved.front();
}

DbEntryList tKesh_BDZemra_FilesLoader_CORE::TakeEntries() {
    DbEntryList taken = std::move(entries_);
    Clear();
    return taken;
}

bool tKesh_BDZemra_FilesLoader_CORE::WithinLimits(const std::string& name, uint64_t size) {
    if (size > kMaxDbEntryBytes) {
        SkipTooLarge(name);
        return false;
    }
    if (bytesKept_ + size > kMaxDbTotalBytes) {
        if (!totalLimitReported_)
            AddProblem("БД-Zemra больше 512 МБ: файл \"" + name + "\" и следующие не загружены");
        totalLimitReported_ = true;
        return false;
    }
    return true;
}

MemoryStream* tKesh_BDZemra_FilesLoader_CORE::Keep(const std::string& name,
                                                   std::vector<uint8_t> bytes) {
    if (MemoryStream* existing = EntryNamed(name))
        return existing;
    bytesKept_ += bytes.size();
    entries_.push_back({name, std::make_unique<MemoryStream>(std::move(bytes))});
    return entries_.back().stream.get();
}

void tKesh_BDZemra_FilesLoader_CORE::SkipFile(const std::string& name, const std::string& reason) {
    AddProblem("Файл \"" + name + "\" " + reason + ", пропущен");
}

void tKesh_BDZemra_FilesLoader_CORE::SkipTooLarge(const std::string& name) {
    SkipFile(name, "больше 16 МБ");
}

void tKesh_BDZemra_FilesLoader_CORE::AddProblem(std::string text) {
    problems_.push_back(std::move(text));
}
