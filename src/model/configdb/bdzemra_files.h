// The database object's state and its open, load and stream operations (directory or zip).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/configdb/files_core.h"
#include "model/configdb/files_loader_core.h"

class tKesh_BDZemra_Files : public tKesh_BDZemra_Files_CORE {
  public:
    // The kinds of Open and DbKind.
    static constexpr int kZipArchive = 0;
    static constexpr int kDirectory = 1;

    // kind 0 zip archive, 1 directory. Any other kind returns false and changes nothing.
    // Drops every cached stream, except that a fully loaded database opened again at the same
    // place (same kind and root) keeps its loaded contents. On failure error (when given) gets the
    // error text ("" when there is none to show); on success it is emptied.
    bool Open(int kind, const std::string& path, std::string* error = nullptr);

    // Finds the database under DbPath with a loader of the open kind; takes over its root,
    // version and file count. Nothing is loaded.
    bool Detect() override;
    // Loads every database file. Files that cannot be taken (too large, damaged, unreadable)
    // are left out and listed in LoadProblems(); the rest stays usable. False when the
    // database is not open or cannot be read at all.
    bool Reload() override;
    // Loads exactly these files (names resolved to database entries); when one of them
    // cannot be loaded, nothing stays loaded and the result is false.
    bool LoadFiles(const std::vector<std::string>& names) override;
    // The cached file with the same file-name part (letter case ignored), else the file
    // found in the database and cached from now on; positioned at its start and owned by
    // this object until the next Open, Clear, Reload or LoadFiles. nullptr when there is none.
    MemoryStream* GetStream(const std::string& name) override;

    int DbKind() const { return dbKind_; }
    bool DbOpened() const { return dbOpened_; }
    // True after a full load (Reload) until the next Open, Clear or LoadFiles.
    bool DbLoaded() const { return dbLoaded_; }
    // After detection the detected root (for a directory possibly below what was given).
    const std::string& DbPath() const { return dbPath_; }
    // The path as given to Open.
    const std::string& RequestedPath() const { return requestedPath_; }
    // Why the last Open failed; "" when it did not or there is nothing to show.
    const std::string& LastError() const { return error_; }
    // Database files found when opened; after a full load, the number actually loaded, so
    // that EntryCount() == DbFileCount() tells a loaded database.
    size_t DbFileCount() const { return dbFileCount_; }
    // Files left out and archive damage met since the last Open (by Detect, Reload,
    // LoadFiles, GetStream), each text once, for the caller to show.
    const std::vector<std::string>& LoadProblems() const { return loadProblems_; }

    void Clear() override;

  protected:
    std::unique_ptr<tKesh_BDZemra_FilesLoader_CORE> MakeLoader() const;
    void TakeProblems(const tKesh_BDZemra_FilesLoader_CORE& loader);

    std::string dbPath_;
    int dbKind_ = kDirectory;
    bool dbOpened_ = false;
    bool dbLoaded_ = false;
    size_t dbFileCount_ = 0;
    std::string requestedPath_;
    std::string error_;
    std::vector<std::string> loadProblems_;
};
