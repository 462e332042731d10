// Writes the demo report forms and the demo module with its queue, link and report files.
#include "reports/demo_reports.h"

#include <map>
#include <memory>
#include <optional>

#include "comm/link/configuration.h"
#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/flash/restore_queue.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/option_triple.h"
#include "reports/report_keys.h"
#include "reports/report_numbers.h"
#include "reports/text_sections.h"

namespace {

constexpr uint16_t kModuleNumber = 0x07A1;
constexpr uint16_t kFactoryNumber = 0x1234;
constexpr uint8_t kNetworkNumber = 0x01;
constexpr uint16_t kControllerFactoryNumber = 0x5678;
constexpr uint8_t kControllerNetworkNumber = 0x05;
// Far more than any task queue needs; the demo reads only the queue it has just written.
constexpr uint64_t kMaxQueueBytes = 16 << 20;

struct DemoColumn {
    int Id;
    const char* Title;
    const char* Format;
    const char* Summary;
    uint16_t Block;  // the archive parameter the module assigns to it
};

struct DemoForm {
    int Number;
    const char* Name;
    const char* Title;
    const char* DateFormat;
    std::vector<DemoColumn> Columns;
};

const DemoColumn kEnergy{1, "Q, Гкал", "%1.3f", kSummarySum, 0x0101};
const DemoColumn kMass{2, "M, т", "%1.2f", kSummarySum, 0x0102};
const DemoColumn kSupply{3, "T1, °C", "%1.1f", kSummaryAverage, 0x0103};
const DemoColumn kReturn{4, "T2, °C", "%1.1f", kSummaryAverage, 0x0104};

const std::vector<DemoForm>& DemoForms() {
    static const std::vector<DemoForm> forms = {
        {1,
         "Часовая ведомость",
         "Ведомость учета тепловой энергии за час",
         "DD.MM.YY hh:nn",
         {kEnergy, kSupply, kReturn}},
        {2,
         "Суточная ведомость",
         "Ведомость учета тепловой энергии за сутки",
         "DD.MM.YYYY hh",
         {kEnergy, kMass, kSupply, kReturn}},
    };
    return forms;
}

constexpr const char* kHeaderText =
    "Потребитель: ООО \"Тепловые сети\"\r\nАдрес узла учета: ул. Садовая, 12\r\n"
    "Теплосчетчик: Zemra-107";
constexpr const char* kFooterText =
    "Ответственный за учет: ____________________\r\n"
    "Представитель теплоснабжающей организации: ____________________";

bool Fail(const std::string& text, std::string& error) {
    error = text;
    return false;
}

bool SaveIni(IniFile& ini, std::string& error) {
    return ini.Save() || Fail("cannot write " + ini.FileName(), error);
}

bool WriteDescriptor(const DemoForm& form, const std::string& path, std::string& error) {
    IniFile ini(path);
    EraseAllSections(ini);
    ini.WriteString(kSecReport, kKeyName, form.Name);
    ini.WriteString(kSecReport, kKeyTitle, form.Title);
    ini.WriteString(kSecReport, kKeySummary, "Итого");
    ini.WriteString(kSecReport, kKeyDateFormat, form.DateFormat);
    ini.WriteInteger(kSecReport, kKeyColumns, static_cast<long long>(form.Columns.size()));
    WriteTextSection(ini, kHeaderText, kSecHeader);
    WriteTextSection(ini, kFooterText, kSecFooter);
    for (size_t i = 0; i < form.Columns.size(); ++i) {
        const DemoColumn& c = form.Columns[i];
        const std::string section = ColumnSection(static_cast<int>(i));
        ini.WriteInteger(section, kKeyId, c.Id);
        ini.WriteString(section, kKeyTitle, c.Title);
        ini.WriteString(section, kKeyFormat, c.Format);
        ini.WriteString(section, kKeySummary, c.Summary);
    }
    return SaveIni(ini, error);
}

// Archive parameters of the queue per archive kind (0 hourly, 1 daily, 2 monthly): parameter
// number (the entry's Value1) -> number of records.
using ArchiveParams = std::map<uint16_t, uint16_t>;

std::vector<ArchiveParams> QueueArchiveParams(const Task_CL& queue) {
    std::vector<ArchiveParams> kinds(3);
    for (const auto& task : queue.Tasks()) {
        const int kind = task->TaskArchiveKind();
        if (!task->Enabled() || kind < 1 || kind > 3)
            continue;
        for (int e = 0; e < task->EntryCount(); ++e)
            if (task->ArchiveKind(e) == kind)
                kinds[kind - 1].emplace(task->Value1(e), task->ItemCount(e));
    }
    return kinds;
}

// The look of a signed blank: a centred bold title and table header, a bold summary row in a
// bold frame, the date column wide enough for its labels, values right-aligned.
void WriteDemoAppearance(IniFile& ini, const DemoForm& form) {
    WriteOptionTriple(ini, "TitleOpt", {taCenter, kStyleBold, flNormal});
    WriteOptionTriple(ini, "TabHeadOpt", {taCenter, kStyleBold, flNormal});
    WriteOptionTriple(ini, "SummaryOpt", {taLeft, kStyleBold, flBold});
    ini.WriteInteger(ColumnIdSection(kDateColumnId), kKeyColWidth, 120);
    for (const DemoColumn& c : form.Columns) {
        ini.WriteInteger(ColumnIdSection(c.Id), kKeyColWidth, 80);
        WriteOptionTriple(ini, ColumnIdSection(c.Id), {taRight, 0, flNormal});
    }
}

bool WriteModuleReport(const DemoForm& form, const std::vector<ArchiveParams>& kinds,
                       const std::string& path, std::string& error) {
    static const char* const kTypeKeys[] = {kKeyTypeH, kKeyTypeD, kKeyTypeM};
    static const char* const kSuffixes[] = {"H", "D", "M"};
    IniFile ini(path);
    EraseAllSections(ini);
    ini.WriteString(kSecReport, kKeyName, form.Name);
    WriteDemoAppearance(ini, form);
    for (size_t k = 0; k < kinds.size(); ++k) {
        bool assigned = false;
        for (const DemoColumn& c : form.Columns) {
            const auto found = kinds[k].find(c.Block);
            if (found == kinds[k].end())
                continue;
            const std::string section = ColumnIdSection(c.Id);
            ini.WriteString(section, kKeyArchive + std::string(kSuffixes[k]),
                            HexDigits(c.Block, 4));
            ini.WriteInteger(section, kKeyMaxIndex + std::string(kSuffixes[k]), found->second);
            assigned = true;
        }
        ini.WriteBool(kSecReport, kTypeKeys[k], assigned);
    }
    return SaveIni(ini, error);
}

// One module report file per form in the module's Reports directory; paths collects them
// when given.
bool WriteModuleReports(const std::string& moduleDir, const std::vector<ArchiveParams>& kinds,
                        std::vector<std::string>* paths, std::string& error) {
    for (const DemoForm& form : DemoForms()) {
        const std::string path =
            JoinPath(JoinPath(moduleDir, "Reports"), ReportFileName(form.Number));
        if (!WriteModuleReport(form, kinds, path, error))
            return false;
        if (paths)
            paths->push_back(path);
    }
    return true;
}

// The link the controller would be read over when its source is switched to the line: an
// RS-232 port at 9600 baud with checksummed FT1.2 frames.
std::unique_ptr<TCustomLink> DemoLink() {
    auto link = std::make_unique<TRS232Link>();
    link->NNum = kNetworkNumber;
    link->Repeats = 3;
    link->Timeout = 1000;
    link->Protocol = epFT12CRC;
    link->COM = 1;
    link->Speed = 9600;
    link->StopBits = sb10;
    return link;
}

// The controller module's link: UDP to the simulator on this computer, modules addressed
// directly.
std::unique_ptr<TCustomLink> DemoUdpLink(int port) {
    auto link = std::make_unique<TUDPLink>(0);
    link->NNum = -1;
    link->NNum_dopAdapt = -1;
    link->Repeats = 2;
    link->Timeout = 1;
    link->Protocol = epFT12;
    link->IP = "127.0.0.1";
    link->Port = port;
    return link;
}

// The Common section of a module link file: data source, factory and network numbers and,
// for the flash source, the flash directory; then the Link section.
struct DemoLinkFile {
    int Source = kSourceFlash;
    uint16_t Factory = 0;
    uint8_t Network = 0;
    std::string FlashDir;
    std::unique_ptr<TCustomLink> Link;
};

bool WriteLinkFile(const std::string& path, DemoLinkFile file, std::string& error) {
    IniFile ini(path);
    ini.EraseSection(kSecCommon);
    ini.WriteInteger(kSecCommon, kKeyVS, file.Source);
    ini.WriteString(kSecCommon, kKeyZn, HexDigits(file.Factory, 4));
    ini.WriteString(kSecCommon, kKeySetn, HexDigits(file.Network, 2));
    if (!file.FlashDir.empty())
        ini.WriteString(kSecCommon, kKeyWayFlash, file.FlashDir);
    if (!SaveIni(ini, error))
        return false;
    TConfiguration configuration;
    configuration.SetLink(std::move(file.Link));
    return configuration.SaveToFile(path) || Fail("cannot write " + path, error);
}

// Points the configuration database object at the demo database while it lives, and gives
// it back as it was: closed, or open on its previous path.
class DemoDbScope {
  public:
    explicit DemoDbScope(const std::string& dbDir)
        : previous_(ConfigDbExists() && ConfigDb().DbOpened() ? ConfigDb().DbPath() : "") {
        ConfigDb().OpenPath(dbDir);
    }
    ~DemoDbScope() {
        if (previous_.empty())
            DestroyConfigDb();
        else
            ConfigDb().OpenPath(previous_);
    }
    DemoDbScope(const DemoDbScope&) = delete;
    DemoDbScope& operator=(const DemoDbScope&) = delete;

  private:
    std::string previous_;
};

bool WriteModule(const std::string& dbDir, const std::string& flashDir, DemoReportsWritten& written,
                 std::vector<ArchiveParams>& kinds, std::string& error) {
    const std::string base = HexDigits(kModuleNumber, 4) + "_" + HexDigits(kFactoryNumber, 4);
    {
        DemoDbScope db(dbDir);
        const RestoreQueueResult restored =
            RestoreQueueFromDir(flashDir, dbDir, written.ModuleDir, base, base, "");
        if (restored.Code != -1)
            return Fail("cannot build the demo task queue: " + SysToUtf8(restored.Message), error);
        written.QueuePath = restored.SavedPath;
        TSpisAlg library;
        const Task_CL queue(kModuleNumber, dbDir, "", "", written.QueuePath, &library, false);
        kinds = QueueArchiveParams(queue);
    }
    written.LinkPath = JoinPath(written.ModuleDir, base + ".ini");
    if (!WriteLinkFile(written.LinkPath,
                       {kSourceFlash, kFactoryNumber, kNetworkNumber, flashDir, DemoLink()}, error))
        return false;
    return WriteModuleReports(written.ModuleDir, kinds, &written.ModuleReports, error);
}

// The controller module: the flash module's task queue under its own factory number, a UDP
// link and report files assigning the hourly archive parameters.
bool WriteControllerModule(const std::string& modulesDir, const DemoReportsWritten& flash,
                           const std::vector<ArchiveParams>& kinds, DemoControllerModule& module,
                           std::string& error) {
    const std::string base =
        HexDigits(kModuleNumber, 4) + "_" + HexDigits(kControllerFactoryNumber, 4);
    module.ModuleDir = JoinPath(modulesDir, base);
    module.NetworkNumber = kControllerNetworkNumber;
    module.ModuleNumber = kModuleNumber;
    module.FactoryNumber = kControllerFactoryNumber;
    std::string message = module.ModuleDir;
    if (!CreateDirectoryPath(JoinPath(module.ModuleDir, "Reports"), message))
        return Fail(message, error);
    std::optional<std::vector<uint8_t>> queue = ReadWholeFile(flash.QueuePath, kMaxQueueBytes);
    if (!queue || queue->size() < TskHeaderSize)
        return Fail("cannot read " + flash.QueuePath, error);
    TskHeader header = DecodeTskHeader(queue->data());
    header.ModuleWord60 = kControllerFactoryNumber;
    EncodeTskHeader(header, queue->data());
    module.QueueId = IdFlagsValid(header.IdFlags) ? header.IdTable[0] : 0;
    const std::string queuePath = JoinPath(module.ModuleDir, base + ".tsk");
    if (!WriteFileAtomic(queuePath, queue->data(), queue->size()))
        return Fail("cannot write " + queuePath, error);
    module.LinkPath = JoinPath(module.ModuleDir, base + ".ini");
    if (!WriteLinkFile(module.LinkPath,
                       {kSourceLink, kControllerFactoryNumber, kControllerNetworkNumber, "",
                        DemoUdpLink(module.Port)},
                       error))
        return false;
    const std::vector<ArchiveParams> hourly = {kinds[0], {}, {}};
    for (const auto& [number, depth] : kinds[0])
        module.HourlyArchives[number] = depth;
    return WriteModuleReports(module.ModuleDir, hourly, nullptr, error);
}

}  // namespace

bool WriteDemoReports(const std::string& dbDir, const std::string& reportsDir,
                      const std::string& modulesDir, const std::string& flashDir,
                      int controllerPort, DemoReportsWritten& written, std::string& error) {
    written = DemoReportsWritten{};
    for (const DemoForm& form : DemoForms()) {
        const std::string path = JoinPath(reportsDir, ReportFileName(form.Number));
        if (!WriteDescriptor(form, path, error))
            return false;
        written.Descriptors.push_back(path);
    }
    written.ModuleDir =
        JoinPath(modulesDir, HexDigits(kModuleNumber, 4) + "_" + HexDigits(kFactoryNumber, 4));
    std::string message = written.ModuleDir;
    if (!CreateDirectoryPath(JoinPath(written.ModuleDir, "Reports"), message))
        return Fail(message, error);
    std::vector<ArchiveParams> kinds;
    if (!WriteModule(dbDir, flashDir, written, kinds, error))
        return false;
    written.Controller.Port = controllerPort;
    return WriteControllerModule(modulesDir, written, kinds, written.Controller, error);
}
