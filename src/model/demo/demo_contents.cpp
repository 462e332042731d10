// The algorithms, module descriptions and template queues of the demo configuration database.
#include "model/demo/demo_contents.h"

#include <algorithm>
#include <string>

#include "model/algorithms/alg_file.h"
#include "model/binary/le_fields.h"
#include "model/modules/mod_file.h"
#include "model/queue/tsk_file.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {

// Records kept by the hourly, daily and monthly archives (as in the demo flash files).
uint16_t ArchiveDepth(uint8_t archiveKind) {
    switch (archiveKind) {
        case 1:
            return 1536;
        case 2:
            return 366;
        case 3:
            return 48;
        default:
            return 0;
    }
}

AlgParamRecord Reference(uint16_t internal, const char* name, const char* shortName,
                         uint8_t archiveKind) {
    AlgParamRecord r;
    r.ItemCount = ArchiveDepth(archiveKind);
    r.InternalNumber = internal;
    r.Name = Utf8ToSys(name);
    r.ShortName = Utf8ToSys(shortName);
    r.ItemSize = 4;
    r.TypeCode = 3;
    r.FlagsA = MakeFlagsA(false, archiveKind);
    r.FlagsB = MakeFlagsB(true, 1, 2);
    return r;
}

AlgParamRecord Value(uint16_t internal, const std::string& name, uint8_t size, bool counted) {
    AlgParamRecord r;
    r.InternalNumber = internal;
    r.Name = Utf8ToSys(name);
    r.ItemSize = size;
    r.FlagsA = MakeFlagsA(counted, 0);
    r.FlagsB = MakeFlagsB(false, 0, 0);
    return r;
}

AlgParamRecord Text(uint16_t internal, const char* name, uint16_t chars) {
    AlgParamRecord r = Value(internal, name, 1, false);
    r.ItemCount = chars;
    r.TypeCode = 7;
    r.FlagsC = MakeFlagsC(true, 0);
    return r;
}

AlgFile Algorithm(uint16_t number, const char* name, const char* shortName,
                  std::vector<AlgParamRecord> params, const char* description) {
    AlgFile f;
    f.Header.Name = Utf8ToSys(name);
    f.Header.ShortName = Utf8ToSys(shortName);
    f.Header.Number = number;
    f.Header.ParamCount = static_cast<uint16_t>(params.size());
    f.Header.HasDescription = 1;
    f.Params = std::move(params);
    f.Description = Utf8ToSys(description);
    return f;
}

// An archive algorithm: a text naming the archive, the archive depth and four references
// to the archived parameters.
AlgFile Archive(uint16_t number, const char* name, const char* shortName, uint8_t kind,
                const char* description) {
    return Algorithm(number, name, shortName,
                     {Text(1, "Название архива", 8), Value(2, "Глубина архива", 2, false),
                      Reference(3, "Тепловая энергия", "Q", kind),
                      Reference(4, "Масса теплоносителя", "M", kind),
                      Reference(5, "Температура подачи", "T1", kind),
                      Reference(6, "Температура обратки", "T2", kind)},
                     description);
}

AlgFile Meter() {
    std::vector<AlgParamRecord> params;
    for (int i = 1; i <= 32; ++i)
        params.push_back(
            Value(static_cast<uint16_t>(i), "Текущее значение " + std::to_string(i), 4, true));
    return Algorithm(0x0010, "Теплосчётчик, 32 текущих значения", "ТС32", std::move(params),
                     "Текущие значения теплосчётчика, опрашиваются по одному");
}

AlgFile Service() {
    return Algorithm(0x01A4, "Служебные параметры", "СЛУЖ",
                     {Reference(1, "Идентификатор очереди", "ID", 0),
                      Reference(2, "Названия задач", "NAMES", 0), Text(3, "Имя узла учёта", 16)},
                     "Идентификатор очереди задач и названия задач");
}

ModFile Module(uint16_t number, const char* name,
               const std::vector<std::pair<uint16_t, uint16_t>>& algorithms) {
    ModFile m;
    m.Header.ModuleName = Utf8ToSys(name);
    m.Header.ModuleNumber = number;
    m.Header.AreaBase = 0x0100;
    m.Header.AreaLimit[0] = 0x0200;
    m.Header.AreaLimit[1] = 0x1000;
    m.Header.AreaLimit[2] = 0x0800;
    m.Header.AreaTable[1][0] = 0x4000;
    m.Header.AreaTable[1][1] = 0x8000;
    m.Header.AreaTable[1][2] = 0x10000;
    m.Header.AreaTable[1][3] = 0x20000;
    m.Header.AlgCount = static_cast<uint16_t>(algorithms.size());
    for (const auto& [alg, internal] : algorithms)
        m.Entries.push_back({0, alg, internal});
    return m;
}

TskFile Template(const ModFile& mod, const std::vector<const AlgFile*>& algs) {
    TskFile t;
    t.Header.QueueName = Utf8ToSys("Шаблон ") + mod.Header.ModuleName.substr(0, 30);
    t.Header.ModuleNumber = mod.Header.ModuleNumber;
    for (const AlgFile* alg : algs) {
        // Archive tasks run in the timer group of their archive kind, the others in group 1.
        TskTaskBlock task = DefaultTaskBlock(*alg);
        uint16_t kind = 0;
        for (const auto& p : alg->Params)
            kind = std::max<uint16_t>(kind, ParamDescFromRecord(p).ArchiveKind);
        task.Task.Flags = static_cast<uint8_t>(std::max<uint16_t>(kind, 1) << 1);
        t.Tasks.push_back(std::move(task));
    }
    t.Header.TaskCount = static_cast<uint16_t>(t.Tasks.size());
    return t;
}

std::string Lower(uint16_t number) {
    return LowerCase(Hex4(number));
}

}  // namespace

std::vector<DbFileContent> DemoDatabaseFiles() {
    const AlgFile hourly =
        Archive(0x0001, "Часовой архив", "ЧАС", 1, "Часовые записи: энергия, масса и температуры");
    const AlgFile daily = Archive(0x0002, "Суточный архив", "СУТ", 2,
                                  "Суточные записи: энергия, масса и температуры");
    const AlgFile monthly = Archive(0x0003, "Месячный архив", "МЕС", 3,
                                    "Месячные записи: энергия, масса и температуры");
    const AlgFile meter = Meter();
    const AlgFile service = Service();
    const ModFile zemra = Module(0x07A1, "Zemra-107 теплосчётчик",
                                 {{0x0001, 1}, {0x0002, 2}, {0x0003, 3}, {0x0010, 4}});
    const ModFile quorin = Module(0x0B12, "Quorin-312 контроллер учёта",
                                  {{0x0001, 1}, {0x0002, 2}, {0x0003, 3}, {0x01A4, 5}});

    std::vector<DbFileContent> files;
    for (const AlgFile* alg : {&hourly, &daily, &monthly, &meter, &service})
        files.push_back({"ALG/" + Lower(alg->Header.Number) + ".alg", EncodeAlgFile(*alg)});
    for (const ModFile* mod : {&zemra, &quorin})
        files.push_back({"MOD/" + Lower(mod->Header.ModuleNumber) + ".mod", EncodeModFile(*mod)});
    files.push_back(
        {"TASK/07a1.tsk", EncodeTskFile(Template(zemra, {&hourly, &daily, &monthly, &meter}))});
    files.push_back(
        {"TASK/0b12.tsk", EncodeTskFile(Template(quorin, {&service, &hourly, &daily, &monthly}))});
    return files;
}
