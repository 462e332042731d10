// A configuration database written into a temporary directory from plain structs.
#include "support/model_db.h"

#include "model/binary/le_fields.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"

AlgParamRecord ValueRecord(uint16_t internal, const std::string& name, uint8_t size,
                           uint8_t typeCode, bool aFlag) {
    AlgParamRecord r;
    r.InternalNumber = internal;
    r.Name = Utf8ToSys(name);
    r.ItemSize = size;
    r.TypeCode = typeCode;
    r.FlagsA = MakeFlagsA(aFlag, 0);
    r.FlagsB = MakeFlagsB(false, 0, 0);
    return r;
}

AlgParamRecord ReferenceRecord(uint16_t internal, const std::string& name, uint8_t archiveKind,
                               uint8_t formatA, uint8_t formatB) {
    AlgParamRecord r;
    r.InternalNumber = internal;
    r.Name = Utf8ToSys(name);
    r.ItemSize = 4;
    r.TypeCode = 3;
    r.FlagsA = MakeFlagsA(false, archiveKind);
    r.FlagsB = MakeFlagsB(true, formatA, formatB);
    return r;
}

AlgParamRecord TextRecord(uint16_t internal, const std::string& name, uint16_t chars) {
    AlgParamRecord r;
    r.InternalNumber = internal;
    r.Name = Utf8ToSys(name);
    r.ItemSize = 1;
    r.ItemCount = chars;
    r.TypeCode = TextValueType;
    r.FlagsA = MakeFlagsA(false, 0);
    r.FlagsB = MakeFlagsB(false, 0, 0);
    r.FlagsC = MakeFlagsC(true, 0);
    return r;
}

AlgFile MakeAlg(uint16_t number, const std::string& name, std::vector<AlgParamRecord> params) {
    AlgFile f;
    f.Header.Name = Utf8ToSys(name);
    f.Header.ShortName = 'A';
    f.Header.ShortName += Hex4(number);
    f.Header.Number = number;
    f.Header.ParamCount = static_cast<uint16_t>(params.size());
    f.Params = std::move(params);
    return f;
}

ModFile MakeMod(uint16_t number, const std::string& name,
                const std::vector<std::pair<uint16_t, uint16_t>>& algorithms) {
    ModFile m;
    m.Header.ModuleName = Utf8ToSys(name);
    m.Header.ModuleNumber = number;
    m.Header.AreaBase = 0x0100;
    m.Header.AreaLimit[0] = 0x400;
    m.Header.AreaLimit[1] = 0x2000;
    m.Header.AreaLimit[2] = 0x2000;
    m.Header.AreaTable[1][0] = 0x1000;
    m.Header.AreaTable[1][1] = 0x20000;
    m.Header.AlgCount = static_cast<uint16_t>(algorithms.size());
    for (const auto& [alg, internal] : algorithms)
        m.Entries.push_back({0, alg, internal});
    return m;
}

FixtureDb::FixtureDb() {
    root_ = dir_.MakeDir("db");
    dir_.MakeDir("db/ALG");
    dir_.MakeDir("db/MOD");
    dir_.MakeDir("db/TASK");
    dir_.WriteFile("db/version.txt", "1.0");
}

std::string FixtureDb::WriteBytes(const std::string& relative,
                                  const std::vector<uint8_t>& bytes) const {
    std::string path = Path(relative);
    WriteFileAtomic(path, bytes.data(), bytes.size());
    return path;
}

std::string FixtureDb::Add(const AlgFile& alg) const {
    return WriteBytes("ALG/" + Hex4(alg.Header.Number) + ".alg", EncodeAlgFile(alg));
}

std::string FixtureDb::Add(const ModFile& mod) const {
    return WriteBytes("MOD/" + Hex4(mod.Header.ModuleNumber) + ".mod", EncodeModFile(mod));
}

std::string FixtureDb::AddTemplate(uint16_t moduleNumber, const TskFile& tsk) const {
    return WriteBytes("TASK/" + Hex4(moduleNumber) + ".tsk", EncodeTskFile(tsk));
}

bool FixtureDb::Open() const {
    DestroyConfigDb();
    return ConfigDb().Open(1, root_);
}
