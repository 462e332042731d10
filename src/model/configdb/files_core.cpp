// Base of the configuration database classes: dropping the cache, the version text.
#include "model/configdb/files_core.h"

void tKesh_BDZemra_Files_CORE::Clear() {
    entries_.clear();
}

std::string tKesh_BDZemra_Files_CORE::GetVersion() {
    return version_;
}

MemoryStream* tKesh_BDZemra_Files_CORE::EntryNamed(const std::string& name) const {
    for (const DbEntry& e : entries_)
        if (e.name == name)
            return e.stream.get();
    return nullptr;
}
