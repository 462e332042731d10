// The algorithm library: descriptors keyed by algorithm number, loaded on demand.
#include "model/algorithms/spis_alg.h"

#include <algorithm>

#include "model/binary/le_fields.h"
#include "model/common/db_open.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"

std::string AlgFileName(uint16_t number) {
    return Hex4(number) + ".ALG";
}

void TSpisAlg::Clear() {
    descriptors_.clear();
    minNumber_ = -1;
    maxNumber_ = 0;
}

TAlgoritms* TSpisAlg::FindByNumber(uint16_t number) const {
    auto it = descriptors_.find(number);
    return it == descriptors_.end() ? nullptr : it->second.get();
}

bool TSpisAlg::Load(const std::string& dbHint, std::vector<uint16_t>& numbers,
                    std::vector<bool>& flags, bool readParams) {
    errorText_.clear();
    flags.resize(numbers.size(), false);

    auto markLoaded = [&](const TAlgoritms& alg) {
        for (size_t i = 0; i < numbers.size(); ++i)
            if (numbers[i] == alg.Number()) {
                numbers[i] = 0xFFFF;
                flags[i] = alg.Has32Values();
            }
    };

    std::vector<uint16_t> toLoad;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (const TAlgoritms* known = FindByNumber(numbers[i])) {
            numbers[i] = 0xFFFF;
            flags[i] = known->Has32Values();
        } else if (std::find(toLoad.begin(), toLoad.end(), numbers[i]) == toLoad.end()) {
            toLoad.push_back(numbers[i]);
        }
    }
    if (toLoad.empty())
        return true;

    for (uint16_t wanted : toLoad) {
        auto alg = std::make_unique<TAlgoritms>(AlgFileName(wanted), readParams);
        if (!alg->ErrorText().empty()) {
            if (OnError)
                OnError(alg->ErrorText());
            continue;
        }
        int number = alg->Number();
        if (minNumber_ == -1 || minNumber_ > number)
            minNumber_ = number;
        if (maxNumber_ < number)
            maxNumber_ = number;
        markLoaded(*alg);
        descriptors_.emplace(alg->Number(), std::move(alg));
    }

    EnsureConfigDbOpen(dbHint);
    std::vector<std::string> entries = ConfigDb().ListKind(dfkAlgorithm);
    // A descriptor that the database holds but that could not be read (or that holds
    // another number) counts as missing too, so that no caller keeps an entry whose
    // algorithm is not in the library.
    std::vector<std::string> missing;
    for (uint16_t wanted : toLoad) {
        std::string name = AlgFileName(wanted);
        bool listed = std::any_of(entries.begin(), entries.end(), [&](const std::string& e) {
            return UpperCase(ExtractFileName(e)) == name;
        });
        if (!listed || !FindByNumber(wanted))
            missing.push_back(name);
    }
    if (missing.empty())
        return true;
    if (missing.size() == 1) {
        errorText_ = Utf8ToSys("отсутствует алгоритм ") + missing[0];
    } else {
        errorText_ = Utf8ToSys("отсутствуют алгоритмы ");
        for (size_t i = 0; i < missing.size(); ++i)
            errorText_ += (i ? "," : "") + missing[i];
    }
    return false;
}
