// Base of the configuration database classes: the cached entries and the version text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/memory_stream.h"

// One cached database file: its name relative to the database root and its contents.
struct DbEntry {
    std::string name;
    std::unique_ptr<MemoryStream> stream;
};
using DbEntryList = std::vector<DbEntry>;

class tKesh_BDZemra_Files_CORE {
  public:
    virtual ~tKesh_BDZemra_Files_CORE() = default;

    // Drops every cached entry and its stream.
    virtual void Clear();
    virtual bool Detect() = 0;
    // The version text held.
    virtual std::string GetVersion();
    virtual bool Reload() = 0;
    virtual bool LoadFiles(const std::vector<std::string>& names) = 0;
    // A stream of the named file, owned by this object; nullptr when there is none.
    virtual MemoryStream* GetStream(const std::string& name) = 0;

  protected:
    // The cached entry with exactly this name, nullptr when there is none.
    MemoryStream* EntryNamed(const std::string& name) const;

    DbEntryList entries_;
    std::string version_;
};
