// The five kinds of flash-disk archive files.
#include "model/flash/archive_kinds.h"

#include "platform/files.h"

namespace {
const ArchiveKindInfo kKinds[kArchiveKindCount] = {
    {".HNS", 64, "dd.mm.yyyy hh"},
    {".SNS", 366, "dd.mm.yyyy"},
    {".MNS", 0, "mm.yyyy"},
    {".INS", 24, ""},
    {".PNS", 96, ""},
};
}  // namespace

const ArchiveKindInfo& ArchiveKindAt(int kind) {
    return kKinds[kind];
}

bool IsArchiveKind(int kind) {
    return kind >= 0 && kind < kArchiveKindCount;
}

int ArchiveKindInName(const std::string& fileName) {
    std::string upper = UpperCase(fileName);
    for (int k = 0; k < kArchiveKindCount; ++k) {
        if (upper.find(kKinds[k].Extension) != std::string::npos)
            return k;
    }
    return -1;
}

int ArchiveKindOfExtension(const std::string& fileName) {
    std::string ext = UpperCase(ExtractFileExt(fileName));
    for (int k = 0; k < kArchiveKindCount; ++k) {
        if (ext == kKinds[k].Extension)
            return k;
    }
    return -1;
}
