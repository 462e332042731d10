// Loader of a configuration database kept as a directory tree.
#pragma once

#include "model/configdb/files_loader_core.h"

// Detection gives up after looking into this many directories, so pointing the program at
// a large tree without a database ends in reasonable time.
inline constexpr size_t kMaxDetectDirectories = 10000;

class tKesh_BDZemra_FilesLoader_FS : public tKesh_BDZemra_FilesLoader_CORE {
  public:
    // The first directory, breadth-first from the path, that has subdirectories "ALG", "MOD"
    // and "TASK" (letter case ignored) becomes the path.
    bool Detect() override;
    void SetPath(const std::string& path) override;
    // Loads every database file; files that cannot be taken are skipped and recorded as
    // problems. False only when the directory is gone.
    bool Reload() override;
    // Drops the entries, then loads each named file that exists under the path; true when
    // every name was loaded.
    bool LoadFiles(const std::vector<std::string>& names) override;
    // The first file, breadth-first, whose file-name part equals the name's regardless of
    // letter case; kept under its relative name.
    MemoryStream* GetStream(const std::string& name) override;
    void ListFiles(std::vector<std::string>& list) override;
    void ResolveNames(std::vector<std::string>& list) override;
    std::string FindFile(const std::string& name) override;

  private:
    // Loads the file of the relative name when it is a regular file within the limits.
    MemoryStream* LoadFile(const std::string& relativeName);
};
