// The database object: opening a directory or zip archive, loading and caching its files.
#include "model/configdb/bdzemra_files.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "model/configdb/files_loader_fs.h"
#include "model/configdb/files_loader_zip.h"
#include "platform/files.h"

namespace {

bool StartsWithPK(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char sig[2] = {};
    return in.read(sig, 2) && sig[0] == 'P' && sig[1] == 'K';
}

}  // namespace

bool tKesh_BDZemra_Files::Open(int kind, const std::string& path, std::string* error) {
    if (kind != kZipArchive && kind != kDirectory)
        return false;
    // A fully loaded database that is opened again at the same place keeps its contents, so
    // confirming the database in use does not load it once more.
    struct Loaded {
        DbEntryList entries;
        size_t fileCount;
        std::vector<std::string> problems;
    };
    std::optional<Loaded> kept;
    const std::string loadedPath = dbPath_;
    const int loadedKind = dbKind_;
    if (dbOpened_ && dbLoaded_)
        kept = Loaded{std::move(entries_), dbFileCount_, std::move(loadProblems_)};
    Clear();
    version_.clear();
    error_.clear();
    loadProblems_.clear();
    dbFileCount_ = 0;
    dbOpened_ = false;
    dbKind_ = kind;
    dbPath_ = requestedPath_ = path;
    if (kind == kZipArchive) {
        if (ExtractFileExt(dbPath_).empty())
            dbPath_ += ".zip";
        if (FileExists(dbPath_))
            dbOpened_ = StartsWithPK(dbPath_);
        else
            error_ = "Не найден .zip файл BD-Zemra";
    } else {
        dbOpened_ = DirectoryExists(dbPath_);
        if (!dbOpened_)
            error_ = "Не найден каталог BD-Zemra";
    }
    if (dbOpened_)
        Detect();
    if (kept && dbOpened_ && dbKind_ == loadedKind && dbPath_ == loadedPath) {
        entries_ = std::move(kept->entries);
        dbFileCount_ = kept->fileCount;
        loadProblems_ = std::move(kept->problems);
        dbLoaded_ = true;
    }
    if (error)
        *error = error_;
    return dbOpened_;
}

bool tKesh_BDZemra_Files::Detect() {
    auto loader = MakeLoader();
    loader->SetPath(dbPath_);
    dbOpened_ = loader->Detect();
    dbPath_ = loader->Path();
    dbFileCount_ = loader->FileCount();
    if (dbOpened_)
        version_ = loader->GetVersion();
    else if (!loader->Problems().empty())
        error_ = loader->Problems().front();
    TakeProblems(*loader);
    return dbOpened_;
}

bool tKesh_BDZemra_Files::Reload() {
    if (!dbOpened_)
        return false;
    Clear();
    auto loader = MakeLoader();
    loader->SetPath(dbPath_);
    bool ok = loader->Reload();
    TakeProblems(*loader);
    if (!ok)
        return false;
    entries_ = loader->TakeEntries();
    dbFileCount_ = entries_.size();
    dbLoaded_ = true;
    return true;
}

bool tKesh_BDZemra_Files::LoadFiles(const std::vector<std::string>& names) {
    if (!dbOpened_ || names.empty())
        return false;
    Clear();
    auto loader = MakeLoader();
    loader->SetPath(dbPath_);
    std::vector<std::string> resolved = names;
    loader->ResolveNames(resolved);
    bool ok = loader->LoadFiles(resolved);
    TakeProblems(*loader);
    if (ok)
        entries_ = loader->TakeEntries();
    return ok;
}

MemoryStream* tKesh_BDZemra_Files::GetStream(const std::string& name) {
    std::string fileName = ExtractFileName(name);
    MemoryStream* stream = nullptr;
    for (const DbEntry& e : entries_) {
        if (SameText(ExtractFileName(e.name), fileName)) {
            stream = e.stream.get();
            break;
        }
    }
    if (!stream && dbOpened_) {
        auto loader = MakeLoader();
        loader->SetPath(dbPath_);
        stream = loader->GetStream(loader->FindFile(name));
        TakeProblems(*loader);
        for (DbEntry& e : loader->TakeEntries()) {
            if (MemoryStream* existing = EntryNamed(e.name)) {
                if (stream == e.stream.get())
                    stream = existing;
            } else {
                entries_.push_back(std::move(e));
            }
        }
    }
    if (stream)
        stream->Seek(0);
    return stream;
}

void tKesh_BDZemra_Files::Clear() {
    tKesh_BDZemra_Files_CORE::Clear();
    dbLoaded_ = false;
}

std::unique_ptr<tKesh_BDZemra_FilesLoader_CORE> tKesh_BDZemra_Files::MakeLoader() const {
    if (dbKind_ == kZipArchive)
        return std::make_unique<tKesh_BDZemra_FilesLoader_VintZip>();
    return std::make_unique<tKesh_BDZemra_FilesLoader_FS>();
}

void tKesh_BDZemra_Files::TakeProblems(const tKesh_BDZemra_FilesLoader_CORE& loader) {
    for (const std::string& p : loader.Problems())
        if (std::find(loadProblems_.begin(), loadProblems_.end(), p) == loadProblems_.end())
            loadProblems_.push_back(p);
}
