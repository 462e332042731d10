// velorm-cli report: builds a module's report table as the view window would (from its
// flash-disk directory or its controller) and prints it tab-separated, or writes it as CSV or
// as the PDF blank.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "cli/commands.h"
#include "cli/report_pdf.h"
#include "model/configdb/config_db.h"
#include "output/reading/module_files.h"
#include "output/reading/read_from_controller.h"
#include "output/reading/read_from_flash.h"
#include "output/table/result_codes.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "shell/settings_keys.h"

namespace {

constexpr const char* kUsage =
    "usage: velorm-cli report --module DIR --report NAME --kind hour|day|month\n"
    "         --from \"YYYY-MM-DD HH:MM\" --to \"YYYY-MM-DD HH:MM\" [--csv FILE]\n"
    "         [--pdf FILE] (--settings FILE | --reports-dir DIR [--modules-dir DIR] [--db PATH])\n"
    "         [--timeout S] [--repeats N] [--accept-id]\n";

// Options taking a value, and the one flag.
const char* const kValueOptions[] = {
    "--module",   "--report",      "--kind",        "--from", "--to",      "--csv",    "--pdf",
    "--settings", "--reports-dir", "--modules-dir", "--db",   "--timeout", "--repeats"};
constexpr const char* kAcceptId = "--accept-id";

struct ReportArgs {
    std::map<std::string, std::string> values;
    bool acceptId = false;
    std::string Get(const std::string& name) const {
        const auto it = values.find(name);
        return it == values.end() ? "" : it->second;
    }
};

std::optional<TDateTime> ParseTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d%c", &y, &mo, &d, &h, &mi, &tail) != 5)
        return std::nullopt;
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(y, mo, d, date) || !TryEncodeTime(h, mi, 0, 0, time))
        return std::nullopt;
    return date + time;
}

bool IsValueOption(const std::string& name) {
    for (const char* option : kValueOptions)
        if (name == option)
            return true;
    return false;
}

std::optional<ReportArgs> ParseArgs(const CliArgs& args) {
    ReportArgs a;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kAcceptId) {
            a.acceptId = true;
        } else if (IsValueOption(args[i]) && i + 1 < args.size()) {
            a.values[args[i]] = args[i + 1];
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (a.Get("--module").empty() || a.Get("--report").empty() ||
        (a.Get("--settings").empty() && a.Get("--reports-dir").empty()))
        return std::nullopt;
    return a;
}

int KindOf(const std::string& kind) {
    if (kind == "hour")
        return kReportHourly;
    if (kind == "day")
        return kReportDaily;
    return kind == "month" ? kReportMonthly : -1;
}

// The directories and database of the settings file, each replaced by its option when given.
struct ProgramPaths {
    std::string reportsDir, modulesDir, dbPath;
};

ProgramPaths PathsOf(const ReportArgs& a) {
    const IniFile settings(a.Get("--settings"));
    const auto pick = [&](const char* option, const char* key) {
        const std::string given = a.Get(option);
        return given.empty() ? settings.ReadString(kSectionCommon, key, "") : given;
    };
    return {pick("--reports-dir", kKeyReportsDir), pick("--modules-dir", kKeyModulesDir),
            pick("--db", kKeyDbPath)};
}

// --module names a directory, or a module directory of the modules directory.
std::string ModuleDirOf(const std::string& module, const ProgramPaths& paths) {
    if (DirectoryExists(module) || paths.modulesDir.empty())
        return ExcludeTrailingPathDelimiter(module);
    return JoinPath(paths.modulesDir, module);
}

// The module report file named by --report: a file name, or a base name without ".ini".
std::string ModuleReportFile(const std::string& moduleDir, const std::string& report) {
    const std::string reports = JoinPath(moduleDir, "Reports");
    const std::string named = JoinPath(reports, report);
    return FileExists(named) ? named : named + ".ini";
}

// One line of cells joined by separator; CSV cells are quoted when they need it.
std::string Line(const ReportTable& table, int row, char separator) {
    std::string line;
    for (size_t c = 0; c < table.Columns.size(); ++c) {
        if (c > 0)
            line += separator;
        const std::string& cell = table.Cell(static_cast<int>(c), row);
        if (separator == ';' && cell.find_first_of(";\"\r\n") != std::string::npos) {
            line += '"';
            for (char ch : cell)
                line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            line += '"';
        } else {
            line += cell;
        }
    }
    return line + (separator == ';' ? "\r\n" : "\n");
}

std::string TableText(const ReportTable& table, char separator) {
    std::string text;
    for (int row = 0; row < table.RowCount(); ++row)
        text += Line(table, row, separator);
    return text;
}

// What the reading gave: the result, and the exchange's own text when it has one.
struct Reading {
    ReadingResult result;
    std::string exchangeError;
};

// Reads from the controller as the view window does; with --accept-id a mismatch of the
// task-queue identifiers is answered "Продолжить" (the controller's identifier is stored and
// the reading repeated), without it both identifiers are told on standard error.
Reading ReadController(ReportTable& table, ReportRecords& records, const ReportArgs& a,
                       TDateTime from, TDateTime to, const TableProgress& progress,
                       bool showStatus) {
    ControllerReading reading;
    reading.TimeoutText = a.Get("--timeout");
    reading.RepeatsText = a.Get("--repeats");
    reading.Status = [showStatus](const std::string& status) {
        if (showStatus && !status.empty())
            std::fprintf(stderr, "%s\n", status.c_str());
    };
    ControllerOutcome outcome = ReadFromController(table, records, reading, from, to, progress);
    if (outcome.Mismatch && a.acceptId) {
        if (!AcceptDeviceId(records.RepI.ModuleDir, outcome.DeviceId))
            return {outcome.Result, "cannot store realId in the module link file"};
        outcome = ReadFromController(table, records, reading, from, to, progress);
    }
    if (outcome.Mismatch)
        std::fprintf(stderr, "ID (из прибора): %s\nID (сохраненный): %s\n%s\n",
                     outcome.DeviceId.c_str(), outcome.StoredId.c_str(), kQueueIdMismatchText);
    return {outcome.Result, outcome.ExchangeError};
}

// Reads the table from the source the module link file names (Common/VS).
Reading ReadTable(ReportTable& table, ReportRecords& records, const ReportArgs& a, TDateTime from,
                  TDateTime to) {
    const std::string linkFile = FirstModuleFile(records.RepI.ModuleDir, ".ini");
    if (linkFile.empty())
        return {MakeReadingResult(rrNoModule), ""};
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    const TableProgress progress = [showProgress](int percent) {
        if (showProgress)
            std::fprintf(stderr, "\r%3d%%%s", percent, percent == 100 ? "\n" : "");
    };
    const long long source = IniFile(linkFile).ReadInteger(kSecCommon, kKeyVS, -1);
    if (source == kSourceFlash)
        return {ReadFromFlash(table, records, from, to, progress), ""};
    if (source == kSourceLink)
        return ReadController(table, records, a, from, to, progress, showProgress);
    return {MakeReadingResult(rrNoLinkSettings), ""};
}

int Output(const ReportTable& table, const std::string& csv) {
    if (csv.empty()) {
        std::fputs(TableText(table, '\t').c_str(), stdout);
        return 0;
    }
    if (!WriteFileAtomic(csv, "\xEF\xBB\xBF" + TableText(table, ';'))) {
        std::fprintf(stderr, "velorm-cli report: cannot write %s\n", csv.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int RunReportCommand(const CliArgs& args) {
    const std::optional<ReportArgs> a = ParseArgs(args);
    const std::optional<TDateTime> from = a ? ParseTime(a->Get("--from")) : std::nullopt;
    const std::optional<TDateTime> to = a ? ParseTime(a->Get("--to")) : std::nullopt;
    if (!a || !from || !to || KindOf(a->Get("--kind")) < 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const ProgramPaths paths = PathsOf(*a);
    if (!paths.dbPath.empty() && !ConfigDb().OpenPath(paths.dbPath)) {
        std::fprintf(stderr, "velorm-cli report: cannot open the configuration database %s\n",
                     paths.dbPath.c_str());
        return 1;
    }
    ReportRecords records;
    records.RepI.ModuleDir = ModuleDirOf(a->Get("--module"), paths);
    records.RepI.ModuleReportPath = ModuleReportFile(records.RepI.ModuleDir, a->Get("--report"));
    records.RepI.DescriptorPath =
        JoinPath(paths.reportsDir, ExtractFileName(records.RepI.ModuleReportPath));
    records.RepI.ArchiveKind = KindOf(a->Get("--kind"));

    ReportTable table;
    const Reading reading = ReadTable(table, records, *a, *from, *to);
    if (reading.result.Code == 0 && !a->Get("--pdf").empty())
        return WriteReportPdf(table, records, a->Get("--pdf"));
    if (reading.result.Code == 0)
        return Output(table, a->Get("--csv"));
    std::fprintf(stderr, "%s\n", reading.result.Message.c_str());
    const std::string exchangeError = Trim(reading.exchangeError);
    if (!exchangeError.empty() && exchangeError != "OK")
        std::fprintf(stderr, "%s\n", exchangeError.c_str());
    return std::abs(reading.result.Code);
}
