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
    // The first file, breadth-first, whose file-name part equals the name's regardless of
    // letter case; kept under its relative name.
    MemoryStream* GetStream(const std::string& name) override;
    void ListFiles(std::vector<std::string>& list) override;

  private:
    bool Readable() const override;
    // A regular file within the limits, and never one outside the path.
    MemoryStream* LoadNamed(const std::string& relativeName) override;
};
