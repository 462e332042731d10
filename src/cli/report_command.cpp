// velorm-cli report: builds a module's report table as the view window would and prints it
// tab-separated, or writes it as CSV or as the PDF blank.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "cli/commands.h"
#include "cli/report_pdf.h"
#include "output/reading/module_files.h"
#include "output/reading/read_from_flash.h"
#include "output/table/result_codes.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "shell/settings_keys.h"

namespace {

constexpr const char* kUsage =
    "usage: velorm-cli report --module DIR --report NAME --kind hour|day|month\n"
    "         --from \"YYYY-MM-DD HH:MM\" --to \"YYYY-MM-DD HH:MM\" [--csv FILE] [--pdf FILE]\n"
    "         (--settings FILE | --reports-dir DIR)\n";

struct ReportArgs {
    std::string module, report, kind, from, to, csv, pdf, settings, reportsDir;
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

std::optional<ReportArgs> ParseArgs(const CliArgs& args) {
    ReportArgs a;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size())
            return std::nullopt;
        const std::string& value = args[++i];
        if (name == "--module")
            a.module = value;
        else if (name == "--report")
            a.report = value;
        else if (name == "--kind")
            a.kind = value;
        else if (name == "--from")
            a.from = value;
        else if (name == "--to")
            a.to = value;
        else if (name == "--csv")
            a.csv = value;
        else if (name == "--pdf")
            a.pdf = value;
        else if (name == "--settings")
            a.settings = value;
        else if (name == "--reports-dir")
            a.reportsDir = value;
        else
            return std::nullopt;
    }
    if (a.module.empty() || a.report.empty() || a.from.empty() || a.to.empty())
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

// The module report file named by --report: a file name, or a base name without ".ini".
std::string ModuleReportFile(const std::string& moduleDir, const std::string& report) {
    const std::string reports = JoinPath(moduleDir, "Reports");
    const std::string named = JoinPath(reports, report);
    return FileExists(named) ? named : named + ".ini";
}

std::string ReportsDirOf(const ReportArgs& a) {
    if (!a.reportsDir.empty())
        return a.reportsDir;
    const IniFile settings(a.settings);
    return settings.ReadString(kSectionCommon, kKeyReportsDir, "");
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

}  // namespace

int RunReportCommand(const CliArgs& args) {
    const std::optional<ReportArgs> a = ParseArgs(args);
    const std::optional<TDateTime> from = a ? ParseTime(a->from) : std::nullopt;
    const std::optional<TDateTime> to = a ? ParseTime(a->to) : std::nullopt;
    if (!a || !from || !to || KindOf(a->kind) < 0 ||
        (a->settings.empty() && a->reportsDir.empty())) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    ReportRecords records;
    records.RepI.ModuleDir = ExcludeTrailingPathDelimiter(a->module);
    records.RepI.ModuleReportPath = ModuleReportFile(records.RepI.ModuleDir, a->report);
    records.RepI.DescriptorPath =
        JoinPath(ReportsDirOf(*a), ExtractFileName(records.RepI.ModuleReportPath));
    records.RepI.ArchiveKind = KindOf(a->kind);

    const IniFile link(FirstModuleFile(records.RepI.ModuleDir, ".ini"));
    const long long source = link.ReadInteger(kSecCommon, kKeyVS, -1);
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    const TableProgress progress = [showProgress](int percent) {
        if (showProgress)
            std::fprintf(stderr, "\r%3d%%%s", percent, percent == 100 ? "\n" : "");
    };
    ReportTable table;
    ReadingResult result;
    if (FirstModuleFile(records.RepI.ModuleDir, ".ini").empty())
        result = MakeReadingResult(rrNoModule);
    else if (source == kSourceFlash)
        result = ReadFromFlash(table, records, *from, *to, progress);
    else if (source == kSourceLink) {
        std::fputs("velorm-cli report: reading from a controller is not available yet\n", stderr);
        return 1;
    } else
        result = MakeReadingResult(rrNoLinkSettings);
    if (result.Code != 0) {
        std::fprintf(stderr, "%s\n", result.Message.c_str());
        return std::abs(result.Code);
    }
    if (!a->pdf.empty())
        return WriteReportPdf(table, records, a->pdf);
    if (a->csv.empty()) {
        std::fputs(TableText(table, '\t').c_str(), stdout);
        return 0;
    }
    if (!WriteFileAtomic(a->csv, "\xEF\xBB\xBF" + TableText(table, ';'))) {
        std::fprintf(stderr, "velorm-cli report: cannot write %s\n", a->csv.c_str());
        return 1;
    }
    return 0;
}
