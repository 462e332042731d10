// One algorithm descriptor, read from its .alg file in the configuration database.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/algorithms/alg_param_desc.h"

class TAlgoritms {
  public:
    // With a non-empty file name the descriptor is loaded from the database; with an empty
    // one it stays empty. SourcePath is set in both cases.
    TAlgoritms(const std::string& fileName, bool readParams);

    bool LoadFromDatabase(const std::string& fileName, bool readParams);

    // Position of the first parameter with that internal number, -1 when none.
    int IndexOfParam(uint16_t internalNumber) const;

    // Parameter access by position; callers pass 0 <= position < Params().size().
    const TAlgParamDesc& Param(int position) const { return params_[position]; }
    uint16_t ParamFormatCode(int position) const;

    const std::string& Name() const { return name_; }
    const std::string& ShortName() const { return shortName_; }
    uint16_t Number() const { return number_; }
    uint16_t HasDescription() const { return hasDescription_; }
    uint16_t Reserved1() const { return reserved1_; }
    uint16_t ParamCount() const { return paramCount_; }
    uint16_t Reserved2() const { return reserved2_; }
    uint16_t ArchiveKind() const { return archiveKind_; }
    const std::vector<TAlgParamDesc>& Params() const { return params_; }
    const std::string& ErrorText() const { return errorText_; }
    const std::string& SourcePath() const { return sourcePath_; }
    bool Has32Values() const { return has32Values_; }
    const std::string& Description() const { return description_; }

  private:
    std::string name_;
    std::string shortName_;
    uint16_t number_ = 0xFFFF;
    uint16_t hasDescription_ = 0;
    uint16_t reserved1_ = 0;
    uint16_t paramCount_ = 0;
    uint16_t reserved2_ = 0;
    uint16_t archiveKind_ = 0;
    std::vector<TAlgParamDesc> params_;
    std::string errorText_;
    std::string sourcePath_;
    bool has32Values_ = false;
    std::string description_;
};
