// Base of the loaders: the version file, the size limits and the list of problems met.
#include "model/configdb/files_loader_core.h"

#include <utility>

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
