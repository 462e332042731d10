// Loader of a configuration database kept as one zip archive.
#include "model/configdb/files_loader_zip.h"

#include <set>
#include <unordered_map>

#include "model/configdb/db_names.h"
#include "platform/files.h"

bool tKesh_BDZemra_FilesLoader_VintZip::Detect() {
    detected_ = false;
    fileCount_ = 0;
    std::set<std::string> directories;
    std::set<std::string> extensions;
    for (const ZipEntry& e : zip_.Entries()) {
        std::string_view name = e.name;
        // Every directory above an entry counts, whether the archive lists it or not.
        for (size_t i = 0; i < name.size(); ++i)
            if (name[i] == '/' || name[i] == '\\')
                directories.insert(UpperCase(LastComponent(name.substr(0, i))));
        if (!e.isDirectory)
            extensions.insert(ExtractFileExt(e.name));
    }
    for (int kind = 0; kind < kDbFileKindCount; ++kind)
        if (!directories.count(DbKindDirectory(kind)) || !extensions.count(DbKindExtension(kind)))
            return false;
    std::vector<std::string> files;
    ListFiles(files);
    fileCount_ = files.size();
    detected_ = true;
    return true;
}

void tKesh_BDZemra_FilesLoader_VintZip::SetPath(const std::string& path) {
    path_ = path;
    fileIndex_.clear();
    if (zip_.Open(path)) {
        const std::vector<ZipEntry>& entries = zip_.Entries();
        for (size_t i = 0; i < entries.size(); ++i)
            if (!entries[i].isDirectory)
                fileIndex_.try_emplace(entries[i].name, i);
    }
    if (!zip_.IsOpen())
        AddProblem("Повреждён .zip файл BD-Zemra");
    else if (!zip_.DirectoryComplete())
        AddProblem("Оглавление .zip файла BD-Zemra повреждено, прочитано записей: " +
                   std::to_string(zip_.Entries().size()));
}

bool tKesh_BDZemra_FilesLoader_VintZip::Reload() {
    if (!zip_.IsOpen())
        return false;
    std::vector<std::string> files;
    ListFiles(files);
    LoadFiles(files);
    return true;
}

bool tKesh_BDZemra_FilesLoader_VintZip::LoadFiles(const std::vector<std::string>& names) {
    Clear();
    bool all = true;
    for (const std::string& name : names) {
        std::optional<size_t> index = FileEntryNamed(name);
        if (!index || !Extract(*index))
            all = false;
    }
    return all;
}

MemoryStream* tKesh_BDZemra_FilesLoader_VintZip::GetStream(const std::string& name) {
    std::optional<size_t> index = FileEntryNamed(name);
    if (!index)
        index = FileEntryLike(name);
    if (!index)
        return nullptr;
    if (MemoryStream* cached = EntryNamed(zip_.Entries()[*index].name))
        return cached;
    return Extract(*index);
}

void tKesh_BDZemra_FilesLoader_VintZip::ListFiles(std::vector<std::string>& list) {
    list.clear();
    for (const ZipEntry& e : zip_.Entries())
        if (!e.isDirectory && DatabaseFileKind(e.name) >= 0)
            list.push_back(e.name);
}

void tKesh_BDZemra_FilesLoader_VintZip::ResolveNames(std::vector<std::string>& list) {
    std::unordered_map<std::string_view, const std::string*> byFileName;
    for (const ZipEntry& e : zip_.Entries())
        if (!e.isDirectory && DatabaseFileKind(e.name) >= 0)
            byFileName.try_emplace(FileNamePart(e.name), &e.name);
    for (std::string& name : list) {
        auto it = byFileName.find(FileNamePart(name));
        if (it != byFileName.end())
            name = *it->second;
    }
}

std::string tKesh_BDZemra_FilesLoader_VintZip::FindFile(const std::string& name) {
    std::vector<std::string> resolved{name};
    ResolveNames(resolved);
    return resolved.front();
}

std::optional<size_t> tKesh_BDZemra_FilesLoader_VintZip::FileEntryNamed(
    const std::string& name) const {
    auto it = fileIndex_.find(name);
    if (it == fileIndex_.end())
        return std::nullopt;
    return it->second;
}

std::optional<size_t> tKesh_BDZemra_FilesLoader_VintZip::FileEntryLike(
    const std::string& name) const {
    std::string_view wanted = FileNamePart(name);
    const std::vector<ZipEntry>& entries = zip_.Entries();
    std::optional<size_t> best;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ZipEntry& e = entries[i];
        if (e.isDirectory || !SameText(FileNamePart(e.name), wanted))
            continue;
        if (!best || PathDepth(e.name) < PathDepth(entries[*best].name))
            best = i;
    }
    return best;
}

MemoryStream* tKesh_BDZemra_FilesLoader_VintZip::Extract(size_t index) {
    const ZipEntry& e = zip_.Entries()[index];
    if (!WithinLimits(e.name, e.size))
        return nullptr;
    std::vector<uint8_t> bytes;
    switch (zip_.Extract(index, kMaxDbEntryBytes, bytes)) {
        case ZipExtractResult::Ok:
            return Keep(e.name, std::move(bytes));
        case ZipExtractResult::TooLarge:
            SkipTooLarge(e.name);
            return nullptr;
        case ZipExtractResult::Encrypted:
            SkipFile(e.name, "зашифрован в архиве");
            return nullptr;
        case ZipExtractResult::Unsupported:
            SkipFile(e.name, "сжат неизвестным способом");
            return nullptr;
        case ZipExtractResult::Broken:
            break;
    }
    SkipFile(e.name, "повреждён в архиве");
    return nullptr;
}
