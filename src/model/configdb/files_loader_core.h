// Base of the loaders: one job on one database path (detect, list, load), with size limits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/configdb/files_core.h"

// No single database file is taken into memory when it is (or inflates to) more than this,
// and one loader job keeps no more than the second figure in all.
inline constexpr uint64_t kMaxDbEntryBytes = uint64_t(16) << 20;
inline constexpr uint64_t kMaxDbTotalBytes = uint64_t(512) << 20;

class tKesh_BDZemra_FilesLoader_CORE : public tKesh_BDZemra_Files_CORE {
  public:
    void Clear() override;
    // Finds "version.txt" like any other file and takes all its bytes as the version text;
    // the loader's entries are dropped afterwards.
    std::string GetVersion() override;

    virtual void SetPath(const std::string& path) = 0;
    // Every database file under the path, by its name relative to the path.
    virtual void ListFiles(std::vector<std::string>& list) = 0;
    // Replaces each name whose file-name part is that of a database file by the file's
    // relative name.
    virtual void ResolveNames(std::vector<std::string>& list) = 0;
    // The relative name of the first database file with the same file-name part; the name
    // itself when there is none.
    virtual std::string FindFile(const std::string& name) = 0;

    const std::string& Path() const { return path_; }
    bool Detected() const { return detected_; }
    size_t FileCount() const { return fileCount_; }
    // Texts of the problems met (files skipped, archive damage), in the order met.
    const std::vector<std::string>& Problems() const { return problems_; }
    // Hands the loaded entries over to the caller.
    DbEntryList TakeEntries();

  protected:
    // True when size bytes of the named file may be taken into memory; otherwise records
    // the reason as a problem.
    bool WithinLimits(const std::string& name, uint64_t size);
    // Keeps bytes as the entry name, unless an entry of that name is there already, and
    // returns the stream of the entry.
    MemoryStream* Keep(const std::string& name, std::vector<uint8_t> bytes);
    // Records that the named file was skipped for the given reason.
    void SkipFile(const std::string& name, const std::string& reason);
    void SkipTooLarge(const std::string& name);
    void AddProblem(std::string text);

    std::string path_;
    bool detected_ = false;
    size_t fileCount_ = 0;
    std::vector<std::string> problems_;

  private:
    uint64_t bytesKept_ = 0;
    bool totalLimitReported_ = false;
};
