// A configuration database written into a temporary directory from plain structs, and
// builders of algorithm parameter records for tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/algorithms/alg_file.h"
#include "model/modules/mod_file.h"
#include "model/queue/tsk_file.h"
#include "support/temp_dir.h"

// Parameter records; names are UTF-8 here and stored in cp1251.
AlgParamRecord ValueRecord(uint16_t internal, const std::string& name, uint8_t size,
                           uint8_t typeCode = 0, bool aFlag = true);
AlgParamRecord ReferenceRecord(uint16_t internal, const std::string& name, uint8_t archiveKind = 0,
                               uint8_t formatA = 0, uint8_t formatB = 0);
AlgParamRecord TextRecord(uint16_t internal, const std::string& name, uint16_t chars);

AlgFile MakeAlg(uint16_t number, const std::string& name, std::vector<AlgParamRecord> params);
// Algorithms as (number, internal number) pairs.
ModFile MakeMod(uint16_t number, const std::string& name,
                const std::vector<std::pair<uint16_t, uint16_t>>& algorithms);

class FixtureDb {
  public:
    // An empty database tree (ALG, MOD, TASK and version.txt) in a fresh directory.
    FixtureDb();
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
    // Each writes the file under its folder, named by its number, and returns its path.
    std::string Add(const AlgFile& alg) const;
    std::string Add(const ModFile& mod) const;
    std::string AddTemplate(uint16_t moduleNumber, const TskFile& tsk) const;
    std::string WriteBytes(const std::string& relative, const std::vector<uint8_t>& bytes) const;
    // Closes any open program-wide database and opens this one.
    bool Open() const;
    const TempDir& Dir() const { return dir_; }

  private:
    TempDir dir_;
    std::string root_;
};
