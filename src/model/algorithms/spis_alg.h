// The algorithm library: descriptors keyed by algorithm number, loaded on demand.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/algorithms/algoritms.h"

class TSpisAlg {
  public:
    void Clear();
    TAlgoritms* FindByNumber(uint16_t number) const;

    // Loads the descriptors of `numbers` that the library lacks. On return numbers[i] is
    // 0xFFFF for each algorithm now in the library (flags[i] then holds its Has32Values);
    // any other value names an algorithm that could not be loaded. False when some are
    // missing (ErrorText names them). The hint is any path inside the database, used only
    // when the database is not open yet.
    bool Load(const std::string& dbHint, std::vector<uint16_t>& numbers, std::vector<bool>& flags,
              bool readParams);

    const std::string& ErrorText() const { return errorText_; }
    int MinNumber() const { return minNumber_; }
    int MaxNumber() const { return maxNumber_; }
    size_t Count() const { return descriptors_.size(); }

    // Told the error text of each descriptor that fails to load.
    std::function<void(const std::string&)> OnError;

  private:
    std::map<uint16_t, std::unique_ptr<TAlgoritms>> descriptors_;
    std::string errorText_;
    int minNumber_ = -1;
    int maxNumber_ = 0;
};

// The descriptor file name of an algorithm number: "01A4.ALG".
std::string AlgFileName(uint16_t number);
