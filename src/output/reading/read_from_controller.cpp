// The controller reading flow: link settings, connection, module search, the controller's
// clock and identifiers, the identifier check and the table build over the link.
#include "output/reading/read_from_controller.h"

#include <charconv>
#include <cstdio>

#include "comm/device/device_link.h"
#include "comm/device/find_module.h"
#include "comm/device/module_reads.h"
#include "comm/device/param_text.h"
#include "comm/link/configuration.h"
#include "comm/link/elink_ini.h"
#include "comm/link/pin_code.h"
#include "output/reading/module_files.h"
#include "output/table/result_codes.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"
#include "shell/exchange_log.h"

namespace {

constexpr int kParamReportDay = 0xF022;
constexpr int kParamReportHour = 0xF023;
constexpr int kParamQueueId = 0xF028;
constexpr int kTypeDecimalByte = 0xC1;
constexpr int kTypeHexPairs = 0x84;

// Loads the module's link settings; false when there are none, or the file names an unknown
// enumeration value or holds a bad PIN.
bool LoadLink(const std::string& linkFile, TConfiguration& configuration) {
    try {
        configuration.LoadFromFile(linkFile);
    } catch (const ELinkIni&) {
        return false;
    } catch (const EPinConvert&) {
        return false;
    }
    return configuration.Link() != nullptr;
}

int TextAsInteger(const std::string& text) {
    const std::string trimmed = Trim(text);
    int value = 0;
    std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return value;
}

// What the flow learnt from the controller before building the table.
struct ControllerFacts {
    double clockDifference = 0;
    int reportHour = 0;
    int reportDay = 0;
    std::string queueId;
};

// Reads the clock, F023h, F022h and F028h; the exchange's code of the first failure.
int ReadControllerFacts(int address, ControllerFacts& facts, std::string& message) {
    TDateTime clock = 0;
    int code = ReadModuleClock(address, clock, facts.clockDifference, -1, message);
    std::string hour, day;
    if (code == 0)
        code = ReadParamText(address, kParamReportHour, kTypeDecimalByte, -1, message, hour, 0);
    if (code == 0)
        code = ReadParamText(address, kParamReportDay, kTypeDecimalByte, -1, message, day, 0);
    if (code == 0)
        code = ReadParamText(address, kParamQueueId, kTypeHexPairs, -1, message, facts.queueId, 0);
    facts.reportHour = TextAsInteger(hour);
    facts.reportDay = TextAsInteger(day);
    return code;
}

ControllerOutcome Failed(int code, const std::string& exchangeError = "") {
    ControllerOutcome outcome;
    outcome.Result = MakeReadingResult(-code);
    outcome.ExchangeError = exchangeError;
    return outcome;
}

std::string AdapterText(int adapter) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", adapter & 0xFF);
    return std::string(" от адаптера с сетевым номером ") + hex;
}

using StatusText = std::function<void(const std::string& status)>;

// Steps from the open link on: adapter, module, the controller's facts, identifier, table.
ControllerOutcome ReadOverOpenLink(ReportTable& table, ReportRecords& records,
                                   const StatusText& status, int address, TDateTime start,
                                   TDateTime end, const TableProgress& progress,
                                   const LogCallback& log) {
    std::string message;
    if (CheckAdapter(message) != 0)
        return Failed(rrNoAdapter, message + AdapterText(Device().AdapterByte));
    FoundModule found;
    if (FindModule(address, 0, false, nullptr, -1, log, nullptr, found) != 0)
        return Failed(rrModuleNotFound, "Модуль с таким сетевым номером не найден");
    status("Выполняется считывание значений параметров");
    ControllerFacts facts;
    if (ReadControllerFacts(address, facts, message) != 0)
        return Failed(rrNoLink, message);

    ControllerOutcome outcome;
    outcome.DeviceId = facts.queueId;
    std::erase(outcome.DeviceId, ' ');
    if (!CheckTaskQueueId(records.RepI.ModuleDir, outcome.DeviceId, outcome.StoredId)) {
        outcome.Mismatch = true;
        outcome.Result = MakeReadingResult(-rrQueueIdMismatch);
        outcome.ExchangeError = message;
        return outcome;
    }
    TableSource source;
    source.NetworkNumber = address;
    source.ParamF023 = facts.reportHour;
    source.ParamF022 = facts.reportDay;
    source.ClockDifference = facts.clockDifference;
    const TableBuildResult built = BuildReportTable(table, records, source, start, end, progress);
    outcome.Result = MakeReadingResult(-built.Code);
    outcome.ExchangeError = built.Detail;
    return outcome;
}

// The flow up to and including closing the link.
ControllerOutcome ReadAndClose(ReportTable& table, ReportRecords& records,
                               const ControllerReading& reading, const StatusText& status,
                               TDateTime start, TDateTime end, const TableProgress& progress) {
    const std::string linkFile = FirstModuleFile(records.RepI.ModuleDir, ".ini");
    TConfiguration configuration;
    const bool linkLoaded = LoadLink(linkFile, configuration);
    const IniFile common(linkFile);
    const int address = static_cast<int>(ReadHexKey(common, kSecCommon, kKeySetn, 0) & 0xFF);
    if (end <= start)
        return Failed(rrBadPeriod);
    if (!linkLoaded)
        return Failed(rrNoLinkSettings);

    // The entered time-out and repeats change this reading only: the settings object is
    // never saved.
    TCustomLink& link = *configuration.Link();
    link.Timeout = EffectiveTimeout(reading.TimeoutText, link.Timeout);
    link.Repeats = EffectiveRepeats(reading.RepeatsText, link.Repeats);
    status("Выполняется подключение");
    LogCallback log;
    if (reading.SaveLog)
        log = [](const std::string& text, int) { WriteExchangeLog(text); };
    std::string message;
    const bool connected = Connect(link, link.NNum, message, -1, nullptr, log);
    status("Выполняется поиск модулей");
    ControllerOutcome outcome =
        connected ? ReadOverOpenLink(table, records, status, address, start, end, progress, log)
                  : Failed(rrNoLink, message);
    Disconnect();
    return outcome;
}

}  // namespace

ControllerOutcome ReadFromController(ReportTable& table, ReportRecords& records,
                                     const ControllerReading& reading, TDateTime start,
                                     TDateTime end, const TableProgress& progress) {
    const StatusText status = [&reading](const std::string& text) {
        if (reading.Status)
            reading.Status(text);
    };
    ControllerOutcome outcome = ReadAndClose(table, records, reading, status, start, end, progress);
    status("");
    return outcome;
}
