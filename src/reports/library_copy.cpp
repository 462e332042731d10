// Copying library descriptors, entries and module report files with library renumbering.
#include "reports/library_copy.h"

#include <optional>
#include <vector>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "reports/atomic_copy.h"
#include "reports/hex_values.h"
#include "reports/module_link.h"
#include "reports/path_names.h"
#include "reports/report_numbers.h"
#include "reports/report_search.h"
#include "shell/program_state.h"

namespace {

constexpr const char* kReportsDirName = "Reports";
constexpr const char* kHeadDirName = "THead";
constexpr const char* kHeadSuffix = "TabHead";

std::string ParentDir(const std::string& path) {
    return ExcludeTrailingPathDelimiter(ExtractFilePath(ExcludeTrailingPathDelimiter(path)));
}

std::string DirName(const std::string& dir) {
    return ExtractFileName(ExcludeTrailingPathDelimiter(dir));
}

// Where a module report file of a library entry goes, relative to the module directory:
// Reports/<100000000 - N><ext> for Reports/<N><ext>, and the special table header
// Reports/THead/<N>TabHead<ext> along with it. nullopt for any other file.
std::optional<std::string> RenumberedReport(const std::string& file) {
    const std::string dir = ParentDir(file);
    const std::string base = ExtractBaseName(file);
    const std::string ext = ExtractFileExt(file);
    if (DirName(dir) == kReportsDirName) {
        const std::optional<int> n = ReportNumberOf(base);
        if (n)
            return JoinPath(kReportsDirName, ReportBaseName(LibraryReportNumber(*n)) + ext);
        return std::nullopt;
    }
    const std::string suffix = kHeadSuffix;
    if (DirName(dir) == kHeadDirName && DirName(ParentDir(dir)) == kReportsDirName &&
        base.size() > suffix.size() && base.ends_with(suffix)) {
        const std::optional<int> n = ReportNumberOf(base.substr(0, base.size() - suffix.size()));
        if (n)
            return JoinPath(JoinPath(kReportsDirName, kHeadDirName),
                            ReportBaseName(LibraryReportNumber(*n)) + suffix + ext);
    }
    return std::nullopt;
}

bool InReportsTree(const std::string& file) {
    const std::string dir = ParentDir(file);
    return DirName(dir) == kReportsDirName ||
           (DirName(dir) == kHeadDirName && DirName(ParentDir(dir)) == kReportsDirName);
}

std::vector<std::string> EntryFiles(const std::string& entryDir) {
    SearchAborted = false;
    return FindFilesRecursive(entryDir, "", false, nullptr);
}

// Copies file to moduleDir/relative, creating the directory it goes into.
bool CopyInto(const std::string& file, const std::string& moduleDir, const std::string& relative) {
    const std::string target = JoinPath(moduleDir, relative);
    std::string message;
    return CreateDirectoryPath(ParentDir(target), message) && CopyFileAtomic(file, target);
}

}  // namespace

int InstallLibraryReports(const std::string& entryPath, const std::string& libraryDir) {
    if (Shell().ReportsDir.empty())
        return 0;
    const std::string searchDir = ParentDir(entryPath);
    SearchAborted = false;
    int copied = 0;
    for (const std::string& file : FindFilesRecursive(searchDir, ".INI", false, IsReportFile)) {
        const std::optional<int> n = ReportNumberOf(ExtractBaseName(file));
        if (DirName(ParentDir(file)) != kReportsDirName || !n)
            continue;
        const std::string from =
            JoinPath(JoinPath(libraryDir, kReportsDirName), ExtractFileName(file));
        const std::string to =
            JoinPath(Shell().ReportsDir, ReportFileName(LibraryReportNumber(*n)));
        copied += CopyFileAtomic(from, to) ? 1 : 0;
    }
    return copied;
}

bool CopyLibraryEntry(std::string& entryPath, int networkNumber, int serialNumber,
                      const std::string& name, int typeCode) {
    const std::string entryDir = ParentDir(entryPath);
    const bool numbersKnown = typeCode >= 0 && serialNumber >= 0;
    const std::string moduleName = numbersKnown
                                       ? HexDigits(static_cast<uint16_t>(typeCode), 4) + "_" +
                                             HexDigits(static_cast<uint16_t>(serialNumber), 4)
                                       : DirName(entryDir);
    std::string message;
    if (!CheckPathName(moduleName, message)) {
        CurrentPrompts().Message("Velorm", message, PromptIcon::Error);
        return false;
    }
    if (Shell().ModulesDir.empty())
        return false;
    const std::vector<std::string> files = EntryFiles(entryDir);
    if (files.empty())
        return true;
    const std::string moduleDir = JoinPath(Shell().ModulesDir, moduleName + "_0");
    if (!CreateDirectoryPath(JoinPath(moduleDir, kReportsDirName), message))
        return false;
    const std::string entryDirWithDelim = IncludeTrailingPathDelimiter(entryDir);
    for (const std::string& file : files) {
        if (InReportsTree(file)) {
            if (const auto relative = RenumberedReport(file))
                CopyInto(file, moduleDir, *relative);
            continue;
        }
        if (ExtractFilePath(file) != entryDirWithDelim)
            continue;
        const std::string ext = ExtractFileExt(file);
        const std::string base = numbersKnown ? moduleName : ExtractBaseName(file);
        const std::string target = JoinPath(moduleDir, base + "_0" + ext);
        if (!CopyFileAtomic(file, target) || !numbersKnown)
            continue;
        SetModuleNumbers(target, networkNumber, serialNumber, name);
        if (UpperCase(ext) == ".TSK")
            entryPath = target;
    }
    return true;
}

int CopyModuleReports(const std::string& entryPath, const std::string& moduleDir) {
    int copied = 0;
    for (const std::string& file : EntryFiles(ParentDir(entryPath))) {
        if (const auto relative = RenumberedReport(file))
            copied += CopyInto(file, moduleDir, *relative) ? 1 : 0;
    }
    return copied;
}
