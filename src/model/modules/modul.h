// One module description: the controller type's name, task-area limits and algorithms.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/algorithms/spis_alg.h"
#include "model/modules/mod_file.h"

struct ModuleHeaderInfo {
    uint16_t ModuleNumber = 0;
    std::string ModuleName;
};

// Result of a search for the next archive algorithm of a module.
struct ArchiveParamFind {
    bool Found = false;
    int NextStart = -1;
    uint16_t AlgNumber = 0;
    uint16_t ArchiveKind = 0;
    uint16_t ItemCount = 0;
};

class TModul {
  public:
    // Pairs of (algorithm number, internal number); AlgNumber 0xFFFF when its algorithm
    // could not be loaded.
    struct AlgEntry {
        uint32_t AlgNumber = 0;
        uint32_t AlgInternal = 0;
    };

    explicit TModul(TSpisAlg* library) : library_(library) {}

    bool Load(uint16_t moduleNumber, const std::string& moduleDir, const std::string& dbHint);
    // Reads only the header of a description held by the database.
    static std::optional<ModuleHeaderInfo> ReadHeader(const std::string& fileName);

    bool HasAlgorithm(uint16_t number) const;
    uint16_t InternalOf(uint16_t number) const;
    uint16_t NumberOfInternal(uint16_t internalNumber, bool report);
    const TAlgoritms* Algorithm(uint16_t number) const;
    uint16_t ArchiveKindOf(uint16_t number) const;
    bool HasArchiveKind(int kind) const;
    ArchiveParamFind FindArchiveParam(int start) const;

    uint16_t AreaLimit(int index) const { return header_.AreaLimit[index]; }
    uint32_t AreaTableValue(int row, int column) const { return header_.AreaTable[row][column]; }
    uint16_t AreaBase() const { return header_.AreaBase; }
    uint16_t ModuleNumber() const { return header_.ModuleNumber; }
    const std::string& ModuleName() const { return header_.ModuleName; }
    const ModHeader& Header() const { return header_; }
    const std::vector<AlgEntry>& AlgEntries() const { return algEntries_; }
    const std::vector<uint16_t>& FullAlgs() const { return fullAlgs_; }
    const std::string& ModuleDir() const { return moduleDir_; }
    TSpisAlg* Library() const { return library_; }

    void CopyErrorsTo(std::vector<std::string>& list) const { list = moduleErrors_; }
    void ClearErrors() { moduleErrors_.clear(); }
    bool HasErrors() const { return !moduleErrors_.empty(); }
    const std::vector<std::string>& ModuleErrors() const { return moduleErrors_; }

  private:
    ModHeader header_;
    std::vector<AlgEntry> algEntries_;
    std::vector<std::string> moduleErrors_;
    TSpisAlg* library_ = nullptr;
    std::string moduleDir_;
    std::vector<uint16_t> fullAlgs_;
};

// The description file name of a module number: "0701.mod".
std::string ModFileName(uint16_t moduleNumber);
