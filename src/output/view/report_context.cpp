// Loading the connection page's view of the selected report.
#include "output/view/report_context.h"

#include "comm/link/link_section.h"
#include "model/queue/task_cl.h"
#include "output/reading/module_files.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"

namespace {

constexpr const char* kKindKeys[3] = {kKeyTypeH, kKeyTypeD, kKeyTypeM};
constexpr const char* kKindFileExts[3] = {".HNS", ".SNS", ".MNS"};

bool HasFileWithExt(const std::string& dir, const std::string& ext) {
    for (const DirEntry& e : ListDirectory(dir))
        if (!e.isDirectory && SameText(ExtractFileExt(e.name), ext))
            return true;
    return false;
}

std::string ReportName(const std::string& moduleReport) {
    const IniFile ini(moduleReport);
    const std::string name = Trim(ini.ReadString(kSecReport, kKeyName, ""));
    return name.empty() ? ExtractBaseName(moduleReport) : name;
}

// Which kinds the module report file asks for and the archive files allow; the count of
// offered kinds, -1 when the files allow none of those asked for.
int OfferedKinds(const std::string& moduleReport, const std::string& flashDir,
                 std::array<bool, 3>& enabled) {
    const IniFile report(moduleReport);
    int count = 0;
    for (int k = 0; k < 3; ++k) {
        enabled[k] = report.ReadInteger(kSecReport, kKindKeys[k], 0) != 0;
        count += enabled[k];
    }
    if (count == 0 || flashDir.empty())
        return count;
    count = 0;
    for (int k = 0; k < 3; ++k) {
        enabled[k] = enabled[k] && HasFileWithExt(flashDir, kKindFileExts[k]);
        count += enabled[k];
    }
    return count == 0 ? -1 : count;
}

}  // namespace

void TakeModuleIdentity(S_repI& report, const Task_CL& queue) {
    report.SerialNumber = queue.Header().ModuleWord60;
    report.ModuleType = HexDigits(queue.Header().ModuleNumber, 4);
}

ReportContext LoadReportContext(ReportRecords& records, int previousKind) {
    ReportContext c;
    S_repI& r = records.RepI;
    const std::string queuePath = FirstModuleFile(r.ModuleDir, ".tsk");
    const IniFile link(FirstModuleFile(r.ModuleDir, ".ini"));
    c.Repeats = link.ReadString(kLinkSection, "Repeats", "2");
    c.Timeout = link.ReadString(kLinkSection, "Timeout", "1");
    if (queuePath.empty()) {
        c.Error = kNoQueueText;
        return c;
    }
    c.HasQueue = true;
    const Task_CL queue(queuePath);
    TakeModuleIdentity(r, queue);
    c.ControllerName = SysToUtf8(queue.QueueName());
    c.SerialText = HexDigits(r.SerialNumber, 4);
    c.ModuleType = r.ModuleType;
    c.QueueIdText = Trim(queue.IdText(" "));
    c.ReportName = ReportName(r.ModuleReportPath);

    const int count = OfferedKinds(r.ModuleReportPath,
                                   link.ReadString(kSecCommon, kKeyWayFlash, ""), c.KindEnabled);
    if (count <= 0) {
        c.Error = count == 0 ? kNoColumnsText : kNoKindFilesText;
        return c;
    }
    c.CanRead = true;
    if (previousKind >= 0 && previousKind < 3 && c.KindEnabled[previousKind])
        c.Kind = previousKind;
    else
        for (int k = 2; k >= 0; --k)
            if (c.KindEnabled[k])
                c.Kind = k;
    r.ArchiveKind = c.Kind;
    return c;
}

std::string PeriodPrompt(int kind) {
    switch (kind) {
        case kReportHourly:
            return "Выберите дату и час:";
        case kReportDaily:
            return "Выберите день:";
        default:
            return "Выберите месяц:";
    }
}
