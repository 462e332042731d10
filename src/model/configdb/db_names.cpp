// Naming rules of the configuration database: which names are database files of which kind.
#include "model/configdb/db_names.h"

#include <array>

#include "platform/files.h"

namespace {

struct KindNames {
    const char* extension;
    const char* directory;
};
constexpr std::array<KindNames, kDbFileKindCount> kKinds{
    {{".alg", "ALG"}, {".mod", "MOD"}, {".tsk", "TASK"}}};

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when one of the directory components of path equals dir regardless of letter case.
bool HasDirectoryComponent(std::string_view path, std::string_view dir) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (!IsSeparator(path[i]))
            continue;
        if (SameText(path.substr(start, i - start), dir))
            return true;
        start = i + 1;
    }
    return false;
}

}  // namespace

std::string DbKindExtension(int kind) {
    return kind >= 0 && kind < kDbFileKindCount ? kKinds[size_t(kind)].extension : "";
}

std::string DbKindDirectory(int kind) {
    return kind >= 0 && kind < kDbFileKindCount ? kKinds[size_t(kind)].directory : "";
}

bool IsFourHexDigits(std::string_view name) {
    if (name.size() != 4)
        return false;
    for (char c : name)
        if (!IsHexDigit(c))
            return false;
    return true;
}

int DatabaseFileKind(std::string_view relativeName) {
    std::string_view fileName = FileNamePart(relativeName);
    if (fileName.size() != 8 || !IsFourHexDigits(fileName.substr(0, 4)))
        return -1;
    for (int kind = 0; kind < kDbFileKindCount; ++kind) {
        const KindNames& k = kKinds[size_t(kind)];
        if (fileName.substr(4) == k.extension)
            return HasDirectoryComponent(relativeName, k.directory) ? kind : -1;
    }
    return -1;
}

bool IsInsideRelativeName(std::string_view name) {
    if (name.empty() || IsSeparator(name.front()) || (name.size() > 1 && name[1] == ':'))
        return false;
    size_t start = 0;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !IsSeparator(name[i]))
            continue;
        if (name.substr(start, i - start) == "..")
            return false;
        start = i + 1;
    }
    return true;
}

std::string_view FileNamePart(std::string_view path) {
    size_t i = path.size();
    while (i > 0 && !IsSeparator(path[i - 1]))
        --i;
    return path.substr(i);
}

std::string_view LastComponent(std::string_view path) {
    while (!path.empty() && IsSeparator(path.back()))
        path.remove_suffix(1);
    return FileNamePart(path);
}

size_t PathDepth(std::string_view path) {
    size_t depth = 0;
    for (char c : path.substr(0, path.size() - FileNamePart(path).size()))
        if (IsSeparator(c))
            ++depth;
    return depth;
}
