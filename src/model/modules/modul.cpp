// One module description: loading it with its algorithms, and the lookups over it.
#include "model/modules/modul.h"

#include "model/binary/le_fields.h"
#include "model/common/db_open.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"

std::string ModFileName(uint16_t moduleNumber) {
    return Hex4(moduleNumber) + ".mod";
}

bool TModul::Load(uint16_t moduleNumber, const std::string& moduleDir, const std::string& dbHint) {
    algEntries_.clear();
    fullAlgs_.clear();
    moduleErrors_.clear();
    moduleDir_ = moduleDir;

    std::string fileName = JoinPath(moduleDir, ModFileName(moduleNumber));
    if (!EnsureConfigDbOpen(fileName))
        EnsureConfigDbOpen(dbHint);
    MemoryStream* stream =
        ConfigDb().GetStream(tKesh_BDZemra_forBDD7::ResolveName(fileName, dfkModule));
    if (!stream) {
        moduleErrors_.push_back(Utf8ToSys("В каталоге ") + Utf8ToSys(moduleDir));
        moduleErrors_.push_back(Utf8ToSys("Отсутствует описание модуля ") + Hex4(moduleNumber));
        return false;
    }
    stream->Seek(0);
    ModFile file;
    bool complete = ReadModFile(*stream, file);
    header_ = file.Header;
    for (const auto& e : file.Entries)
        algEntries_.push_back({e.AlgNumber, e.AlgInternal});
    bool ok = true;
    if (!complete) {
        moduleErrors_.push_back(Utf8ToSys("Нарушена структура файла ") + "\"" +
                                Utf8ToSys(fileName) + "\"");
        ok = false;
    }
    if (algEntries_.empty() || !library_)
        return ok;

    std::vector<uint16_t> numbers;
    for (const auto& e : algEntries_)
        numbers.push_back(static_cast<uint16_t>(e.AlgNumber));
    std::vector<bool> flags(numbers.size(), false);
    if (!library_->Load(dbHint, numbers, flags, true)) {
        ok = false;
        moduleErrors_.push_back(Utf8ToSys("Модуль ") + Hex4(header_.ModuleNumber) + " " +
                                header_.ModuleName);
        moduleErrors_.push_back(Utf8ToSys("В каталоге ") + Utf8ToSys(dbHint));
        moduleErrors_.push_back(library_->ErrorText());
        for (size_t i = 0; i < numbers.size(); ++i)
            if (numbers[i] != 0xFFFF)
                algEntries_[i].AlgNumber = 0xFFFF;
    }
    for (size_t i = 0; i < algEntries_.size(); ++i)
        if (flags[i])
            fullAlgs_.push_back(static_cast<uint16_t>(algEntries_[i].AlgNumber));
    return ok;
}

std::optional<ModuleHeaderInfo> TModul::ReadHeader(const std::string& fileName) {
    EnsureConfigDbOpen(fileName);
    MemoryStream* stream =
        ConfigDb().GetStream(tKesh_BDZemra_forBDD7::ResolveName(fileName, dfkModule));
    if (!stream)
        return std::nullopt;
    stream->Seek(0);
    uint8_t buf[ModHeaderSize];
    if (!ReadExact(*stream, buf, ModHeaderSize))
        return std::nullopt;
    ModHeader h = DecodeModHeader(buf);
    return ModuleHeaderInfo{h.ModuleNumber, h.ModuleName};
}

bool TModul::HasAlgorithm(uint16_t number) const {
    for (const auto& e : algEntries_)
        if (e.AlgNumber == number)
            return true;
    return false;
}

uint16_t TModul::InternalOf(uint16_t number) const {
    for (const auto& e : algEntries_)
        if (e.AlgNumber == number)
            return static_cast<uint16_t>(e.AlgInternal);
    return 0xFFFF;
}

uint16_t TModul::NumberOfInternal(uint16_t internalNumber, bool report) {
    for (const auto& e : algEntries_)
        if (e.AlgInternal == internalNumber)
            return static_cast<uint16_t>(e.AlgNumber);
    if (internalNumber != 0xFFFF && report) {
        moduleErrors_.clear();
        moduleErrors_.push_back(
            Utf8ToSys("В описании модуля отсутствует алгоритм с внутренним номером ") +
            Hex4(internalNumber));
    }
    return 0xFFFF;
}

const TAlgoritms* TModul::Algorithm(uint16_t number) const {
    if (!library_ || !HasAlgorithm(number))
        return nullptr;
    return library_->FindByNumber(number);
}

uint16_t TModul::ArchiveKindOf(uint16_t number) const {
    const TAlgoritms* alg = Algorithm(number);
    return alg ? alg->ArchiveKind() : 0;
}

bool TModul::HasArchiveKind(int kind) const {
    for (const auto& e : algEntries_) {
        uint16_t k = ArchiveKindOf(static_cast<uint16_t>(e.AlgNumber));
        if (k >= 1 && k <= 5 && (kind < 0 || k == kind + 1))
            return true;
    }
    return false;
}

ArchiveParamFind TModul::FindArchiveParam(int start) const {
    for (size_t i = start < 0 ? 0 : start; i < algEntries_.size(); ++i) {
        uint16_t number = static_cast<uint16_t>(algEntries_[i].AlgNumber);
        uint16_t kind = ArchiveKindOf(number);
        if (kind < 1 || kind > 5)
            continue;
        for (const auto& p : Algorithm(number)->Params())
            if (p.ArchiveKind > 0)
                return {true, static_cast<int>(i) + 1, number, kind, p.ItemCount};
    }
    return {};
}
