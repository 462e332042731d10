// Recognising report and module files, and searching for the directories that hold them.
#include "reports/report_search.h"

#include <algorithm>
#include <functional>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace {

using IniTest = std::function<bool(const IniFile&)>;

bool IsIniName(const std::string& path) {
    return SameText(ExtractFileExt(path), ".INI");
}

bool Accepts(const std::string& path, const IniTest& test) {
    if (!IsIniName(path) || !FileExists(path))
        return false;
    IniFile ini(path);
    return test(ini);
}

bool FilterFiles(std::vector<std::string>& files, bool stopAtFirst, const IniTest& test) {
    if (stopAtFirst) {
        auto found = std::find_if(files.begin(), files.end(),
                                  [&](const std::string& f) { return Accepts(f, test); });
        if (found == files.end()) {
            files.clear();
            return false;
        }
        files = {*found};
        SearchAborted = true;
        return true;
    }
    std::erase_if(files, [&](const std::string& f) { return !Accepts(f, test); });
    return !files.empty();
}

bool HasReportSection(const IniFile& ini) {
    return ini.SectionExists("Report");
}

bool HasReportColumns(const IniFile& ini) {
    return HasReportSection(ini) && ini.ValueExists("Report", "Columns");
}

bool HasModuleLink(const IniFile& ini) {
    return ini.ValueExists("Common", "VS") && ini.ValueExists("Common", "Zn");
}

bool IsCompleteReportForm(const IniFile& ini) {
    return HasReportColumns(ini) && ini.SectionExists("Header");
}

// Directory of the first file under path that the filter accepts, with stopAtFirst set.
std::string FirstMatchDirectory(const std::string& path, const FileFilter& filter) {
    SearchAborted = false;
    std::vector<std::string> found = FindFilesRecursive(path, ".INI", true, filter);
    if (found.empty())
        return "";
    return ExcludeTrailingPathDelimiter(ExtractFilePath(found.front()));
}

}  // namespace

bool IsReportFile(std::vector<std::string>& files, bool stopAtFirst) {
    return FilterFiles(files, stopAtFirst, HasReportSection);
}

bool IsReportDescriptorFile(std::vector<std::string>& files, bool stopAtFirst) {
    return FilterFiles(files, stopAtFirst, HasReportColumns);
}

bool IsModuleLinkFile(std::vector<std::string>& files, bool stopAtFirst) {
    return FilterFiles(files, stopAtFirst, HasModuleLink);
}

bool HasValidReportForm(const std::vector<std::string>& files) {
    return std::any_of(files.begin(), files.end(),
                       [](const std::string& f) { return Accepts(f, IsCompleteReportForm); });
}

std::string FindReportsDirectory(const std::string& path) {
    return FirstMatchDirectory(path, IsReportDescriptorFile);
}

std::string FindModulesDirectory(const std::string& path) {
    const std::string dir = FirstMatchDirectory(path, IsModuleLinkFile);
    return dir.empty() ? dir : ExcludeTrailingPathDelimiter(ExtractFilePath(dir));
}
