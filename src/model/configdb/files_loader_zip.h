// Loader of a configuration database kept as one zip archive.
#pragma once

#include <optional>
#include <unordered_map>

#include "model/configdb/files_loader_core.h"
#include "model/configdb/zip_reader.h"

class tKesh_BDZemra_FilesLoader_VintZip : public tKesh_BDZemra_FilesLoader_CORE {
  public:
    // Detected when the archive has directories "ALG", "MOD" and "TASK" (letter case
    // ignored; a directory counts when an entry lies in it, even without an entry of its
    // own) and at least one file of each extension ".alg", ".mod", ".tsk".
    bool Detect() override;
    // Keeps the path and reads the archive's directory.
    void SetPath(const std::string& path) override;
    // Extracts every database file; entries that cannot be taken are skipped and recorded
    // as problems. False only when the archive cannot be read.
    bool Reload() override;
    // Drops the entries, then extracts the entries of exactly these names; true when every
    // name was loaded.
    bool LoadFiles(const std::vector<std::string>& names) override;
    // The entry of exactly this name, else the one (nearest the top) whose file-name part
    // equals the name's regardless of letter case.
    MemoryStream* GetStream(const std::string& name) override;
    void ListFiles(std::vector<std::string>& list) override;
    void ResolveNames(std::vector<std::string>& list) override;
    std::string FindFile(const std::string& name) override;

  private:
    std::optional<size_t> FileEntryNamed(const std::string& name) const;
    std::optional<size_t> FileEntryLike(const std::string& name) const;
    MemoryStream* Extract(size_t index);

    ZipReader zip_;
    // File entries by name (the first of equal names).
    std::unordered_map<std::string, size_t> fileIndex_;
};
