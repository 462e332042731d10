// The configuration database object's helpers for the rest of the program, and its instance.
#include "model/configdb/config_db.h"

#include <unordered_set>

#include "platform/files.h"

namespace {

constexpr int kMaxParentLevels = 5;

// A name that may be a database file: no extension, or a base name of four hex digits.
bool LooksLikeDbFileName(const std::string& name) {
    return ExtractFileExt(name).empty() || IsFourHexDigits(ExtractBaseName(name));
}

bool IsAbsolute(const std::string& name) {
    return (!name.empty() && (name[0] == '/' || name[0] == '\\')) ||
           (name.size() > 1 && name[1] == ':');
}

bool Contains(const std::string& text, const std::string& part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

std::unique_ptr<tKesh_BDZemra_forBDD7>& Instance() {
    static std::unique_ptr<tKesh_BDZemra_forBDD7> instance;
    return instance;
}

}  // namespace

bool tKesh_BDZemra_forBDD7::OpenPath(const std::string& path) {
    std::string ext = ExtractFileExt(path);
    if (SameText(ext, ".zip") && FileExists(path))
        return Open(kZipArchive, path);
    if (ext.empty() && FileExists(path + ".zip"))
        return Open(kZipArchive, path + ".zip");
    return Open(kDirectory, path);
}

bool tKesh_BDZemra_forBDD7::OpenFromFile(const std::string& fileName) {
    if (!LooksLikeDbFileName(fileName))
        return false;
    std::string dir = ExcludeTrailingPathDelimiter(ExtractFilePath(fileName));
    for (int level = 0; level <= kMaxParentLevels && !dir.empty(); ++level) {
        if (OpenPath(dir))
            return true;
        std::string parent = ExcludeTrailingPathDelimiter(ExtractFilePath(dir));
        if (parent == dir)
            break;
        dir = parent;
    }
    return false;
}

bool tKesh_BDZemra_forBDD7::IsDbFileName(const std::string& name) const {
    if (ExtractFileExt(name).empty())
        return true;
    if (!IsFourHexDigits(ExtractBaseName(name)))
        return false;
    return !IsAbsolute(name) || Contains(name, dbPath_);
}

bool tKesh_BDZemra_forBDD7::IsWritable(const std::string& name) const {
    bool insideDb = Contains(name, requestedPath_) || Contains(name, dbPath_);
    return !(IsDbFileName(name) && insideDb && (dbKind_ == kZipArchive || !dbOpened_));
}

std::string tKesh_BDZemra_forBDD7::ResolveName(const std::string& name, int kind) {
    return ExtractFileExt(name).empty() ? name + DbKindExtension(kind) : name;
}

std::string tKesh_BDZemra_forBDD7::FindEntry(const std::string& name) const {
    std::string fileName = ExtractFileName(name);
    for (const DbEntry& e : entries_)
        if (SameText(ExtractFileName(e.name), fileName))
            return e.name;
    return name;
}

std::vector<std::string> tKesh_BDZemra_forBDD7::ListKind(int kind) {
    std::vector<std::string> names;
    std::string ext = DbKindExtension(kind);
    if (ext.empty() || !EnsureLoaded())
        return names;
    for (const DbEntry& e : entries_)
        if (ExtractFileExt(e.name) == ext)
            names.push_back(e.name);
    return names;
}

std::unique_ptr<MemoryStream> tKesh_BDZemra_forBDD7::OpenFileStream(const std::string& path) {
    if (!FileExists(path))
        return nullptr;
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return nullptr;
    return std::make_unique<MemoryStream>(std::move(*bytes));
}

bool tKesh_BDZemra_forBDD7::HasFile(const std::string& name) {
    return dbOpened_ && GetStream(name) != nullptr;
}

void tKesh_BDZemra_forBDD7::MissingNames(const std::vector<std::string>& names,
                                         std::vector<std::string>& missing) {
    std::unordered_set<std::string> held;
    if (EnsureLoaded())
        for (const DbEntry& e : entries_)
            if (DatabaseFileKind(e.name) >= 0)
                held.insert(UpperCase(FileNamePart(e.name)));
    for (const std::string& name : names)
        if (!held.count(UpperCase(FileNamePart(name))))
            missing.push_back(name);
}

size_t tKesh_BDZemra_forBDD7::EntryCount() const {
    return entries_.size();
}

std::string tKesh_BDZemra_forBDD7::BaseName(const std::string& path) {
    return ExtractBaseName(path);
}

bool tKesh_BDZemra_forBDD7::EnsureLoaded() {
    return dbLoaded_ || Reload();
}

tKesh_BDZemra_forBDD7& ConfigDb() {
    auto& instance = Instance();
    if (!instance)
        instance = std::make_unique<tKesh_BDZemra_forBDD7>();
    return *instance;
}

bool ConfigDbExists() {
    return Instance() != nullptr;
}

void DestroyConfigDb() {
    Instance().reset();
}
