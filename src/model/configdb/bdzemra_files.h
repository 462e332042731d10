// The database object's state and its open, load and stream operations (directory or zip).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory_stream.h"

// Base of the database class tree. (Implementation note for whoever completes this file:
// the loader classes tKesh_BDZemra_FilesLoader_CORE / _FS / _VintZip go in their own files.)
class tKesh_BDZemra_Files_CORE {
  public:
    virtual ~tKesh_BDZemra_Files_CORE() = default;
    virtual void Clear() = 0;
    virtual bool Detect() = 0;
    virtual void SetPath(const std::string& path) = 0;
    virtual std::string GetVersion() = 0;
    virtual bool Reload() = 0;
    virtual bool LoadFiles(const std::vector<std::string>& names) = 0;
    // A stream positioned at its start, owned by the database object; nullptr when absent.
    virtual MemoryStream* GetStream(const std::string& name) = 0;
};

class tKesh_BDZemra_Files : public tKesh_BDZemra_Files_CORE {
  public:
    // kind 0 zip archive, 1 directory. On failure error (when given) gets the error text
    // ("" when there is none to show).
    bool Open(int kind, const std::string& path, std::string* error = nullptr);

    int DbKind() const { return dbKind_; }
    bool DbOpened() const { return dbOpened_; }
    const std::string& DbPath() const { return dbPath_; }
    const std::string& RequestedPath() const { return requestedPath_; }
    const std::string& LastError() const { return error_; }
    size_t DbFileCount() const { return dbFileCount_; }

  protected:
    std::string dbPath_;
    std::vector<std::pair<std::string, std::unique_ptr<MemoryStream>>> dbEntries_;
    int dbKind_ = 1;
    bool dbOpened_ = false;
    std::string dbVersion_;
    size_t dbFileCount_ = 0;
    std::string requestedPath_;
    std::string error_;
};
