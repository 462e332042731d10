// One algorithm descriptor, read from its .alg file in the configuration database.
#include "model/algorithms/algoritms.h"

#include "model/algorithms/alg_file.h"
#include "model/common/db_open.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"

namespace {
// Counted values: parameters that carry the access flag, have value type 0 and are no text.
constexpr int kFullValueCount = 32;
}  // namespace

TAlgoritms::TAlgoritms(const std::string& fileName, bool readParams) {
    if (!fileName.empty())
        LoadFromDatabase(fileName, readParams);
    sourcePath_ = ConfigDb().FindEntry(tKesh_BDZemra_forBDD7::ResolveName(fileName, dfkAlgorithm));
}

bool TAlgoritms::LoadFromDatabase(const std::string& fileName, bool readParams) {
    has32Values_ = false;
    description_.clear();
    params_.clear();
    errorText_.clear();

    AlgFile file;
    bool ok = false;
    EnsureConfigDbOpen(fileName);
    MemoryStream* stream =
        ConfigDb().GetStream(tKesh_BDZemra_forBDD7::ResolveName(fileName, dfkAlgorithm));
    if (stream) {
        stream->Seek(0);
        ok = ReadAlgFile(*stream, readParams, file);
    }

    name_ = file.Header.Name;
    shortName_ = file.Header.ShortName;
    number_ = file.Header.Number;
    hasDescription_ = file.Header.HasDescription;
    reserved1_ = file.Header.Reserved1;
    paramCount_ = file.Header.ParamCount;
    reserved2_ = file.Header.Reserved2;
    archiveKind_ = 0;

    int counted = 0;
    params_.reserve(file.Params.size());
    for (const auto& record : file.Params) {
        TAlgParamDesc p = ParamDescFromRecord(record);
        if (p.IsReference && p.ArchiveKind >= 1 && p.ArchiveKind <= 5)
            archiveKind_ = p.ArchiveKind;
        if (p.AFlag && p.ValueType == 0 && !p.IsText)
            ++counted;
        params_.push_back(std::move(p));
    }
    description_ = file.Description;
    has32Values_ = readParams && counted == kFullValueCount;

    if (!ok)
        errorText_ = Utf8ToSys("Нарушена структура файла ") + "\"" + Utf8ToSys(fileName) + "\"";
    return ok;
}

int TAlgoritms::IndexOfParam(uint16_t internalNumber) const {
    for (size_t i = 0; i < params_.size(); ++i)
        if (params_[i].InternalNumber == internalNumber)
            return static_cast<int>(i);
    return -1;
}

uint16_t TAlgoritms::ParamFormatCode(int position) const {
    return ::ParamFormatCode(params_[position]);
}
