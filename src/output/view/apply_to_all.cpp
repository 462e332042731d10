// Finding the module report files of the same form and writing the current options to them.
#include "output/view/apply_to_all.h"

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/option_triple.h"
#include "reports/report_keys.h"
#include "reports/report_settings.h"

namespace {

bool CopyColumnOptions(const IniFile& from, const std::string& path, const ColumnIdList& ids) {
    IniFile to(path);
    for (const int id : ids.Ids) {
        if (id == 0)
            continue;
        const std::string section = ColumnIdSection(id);
        to.WriteInteger(section, kKeyColWidth, from.ReadInteger(section, kKeyColWidth, 50));
        WriteOptionTriple(to, section, ReadOptionTriple(from, section));
    }
    return to.Save();
}

}  // namespace

std::vector<std::string> ApplyOptionsToAllModules(const ReportRecords& records,
                                                  const ColumnIdList& ids,
                                                  const std::string& modulesDir) {
    const std::string current = records.RepI.ModuleReportPath;
    const std::string name = ExtractFileName(current);
    SearchAborted = false;
    const IniFile currentIni(current);
    std::vector<std::string> written;
    for (const std::string& path : FindFilesRecursive(modulesDir, ".INI", false, nullptr)) {
        if (ExtractFileName(path) != name || path == current)
            continue;
        if (SaveReportSettingsTo(records, path) && CopyColumnOptions(currentIni, path, ids))
            written.push_back(path);
    }
    return written;
}
