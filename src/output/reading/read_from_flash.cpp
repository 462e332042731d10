// The flash-disk reading flow: checks, finding the files of the period, building the table.
#include "output/reading/read_from_flash.h"

#include "model/flash/find_archive_files.h"
#include "output/reading/module_files.h"
#include "output/table/result_codes.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"

ReadingResult ReadFromFlash(ReportTable& table, ReportRecords& records, TDateTime start,
                            TDateTime end, const TableProgress& progress) {
    if (end <= start)
        return MakeReadingResult(rrBadPeriod);
    const std::string moduleDir = records.RepI.ModuleDir;
    const IniFile link(FirstModuleFile(moduleDir, ".ini"));
    const std::string flashDir = link.ReadString(kSecCommon, kKeyWayFlash, "");
    if (FirstModuleFile(moduleDir, ".tsk").empty())
        return MakeReadingResult(rrNoModule);
    if (flashDir.empty() || !DirectoryExists(flashDir))
        return MakeReadingResult(rrNoFlash);
    const ArchiveFilesFound found =
        FindArchiveFiles(flashDir, records.RepI.ArchiveKind, start, end);
    if (found.Result != 0)
        return MakeReadingResult(rrNoArchives,
                                 found.List.empty() ? "" : SysToUtf8(found.List.front()));
    TableSource source;
    source.ArchiveFiles = &found.List;
    const TableBuildResult built = BuildReportTable(table, records, source, start, end, progress);
    return MakeReadingResult(built.Code, built.Detail);
}
