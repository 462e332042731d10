// Choosing the newest archive file of a directory and the other files of its writing.
#include "model/flash/find_archive_set.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "model/flash/check_archive.h"
#include "model/flash/list_archive_dir.h"
#include "platform/codepage.h"
#include "platform/files.h"

std::optional<uint64_t> ArchiveNameNumber(const std::string& fileName) {
    std::string name = ExtractFileName(fileName);
    size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot, 4);
    size_t underscore = name.find('_');
    if (underscore != std::string::npos)
        name.erase(0, underscore + 1);
    if (name.empty() || name.size() > 16 ||
        !std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return std::nullopt;
    return std::stoull(name, nullptr, 16);
}

namespace {
std::string ChooseNewest(const std::vector<std::string>& files) {
    std::string chosen;
    std::optional<uint64_t> best;
    for (const std::string& f : files) {
        std::optional<uint64_t> n = ArchiveNameNumber(f);
        if (n && (!best || *n > *best)) {
            best = n;
            chosen = f;
        }
    }
    if (!best && !files.empty())
        chosen = files.front();
    return chosen;
}
}  // namespace

int FindArchiveSet(ArchiveSet& names, std::string dir, std::string& message) {
    auto given = std::find_if(names.begin(), names.end(), [](auto& n) { return !n.empty(); });
    std::string chosen;
    if (given != names.end()) {
        chosen = *given;
        dir = ExtractFilePath(chosen);
    }
    ArchiveDirListing listing = ListArchiveDir(dir, kAllArchiveKinds, true, false);
    if (chosen.empty())
        chosen = ChooseNewest(listing.Files);

    ArchiveFileInfo info;
    if (!chosen.empty())
        info = CheckArchiveFile(chosen);
    if (chosen.empty() || !info.Valid()) {
        message = Utf8ToSys("В каталоге " + dir +
                            (listing.Damaged.empty()
                                 ? " архивные файлы не обнаружены"
                                 : " находятся файлы, в которых обнаружены поврежденные данные"));
        return -1;
    }
    names[info.Kind] = chosen;
    for (const std::string& f : listing.Files) {
        if (SameText(f, chosen))
            continue;
        ArchiveFileInfo other = CheckArchiveFile(f);
        if (other.Valid() && other.SeriesId == info.SeriesId)
            names[other.Kind] = f;
    }
    return info.Kind;
}
