// Saving the path dialog's choices: the database, the report-forms and modules directories.
#include "shell/path_settings.h"

#include "model/configdb/config_db.h"
#include "platform/file_search.h"
#include "platform/ini_file.h"
#include "shell/program_state.h"
#include "shell/settings_keys.h"

bool ReloadPendingAfterSave(bool pending, bool dbOpened, const std::string& requestedPath,
                            const std::string& savedPath, size_t entryCount, size_t fileCount) {
    if (!dbOpened)
        return pending;
    if (requestedPath != savedPath)
        return true;
    return pending || entryCount != fileCount;
}

namespace {

PathSaveState CreateDirectories(const std::string& reportsDir, const std::string& modulesDir) {
    // The reason is not shown: the dialog moves the focus to the edit instead.
    std::string message;
    if (!CreateDirectoryPath(reportsDir, message))
        return pssReportsDirFailed;
    if (!CreateDirectoryPath(modulesDir, message))
        return pssModulesDirFailed;
    return pssSaved;
}

bool WriteSettings(const tKesh_BDZemra_forBDD7& db, const std::string& reportsDir,
                   const std::string& modulesDir) {
    IniFile ini(Shell().SettingsFileName);
    ini.WriteString(kSectionCommon, kKeyDbPath, db.DbPath());
    ini.WriteInteger(kSectionCommon, kKeyDbKind, db.DbKind());
    ini.WriteString(kSectionCommon, kKeyReportsDir, reportsDir);
    ini.WriteString(kSectionCommon, kKeyModulesDir, modulesDir);
    return ini.Save();
}

}  // namespace

PathSaveState SavePathSettings(const std::string& reportsDir, const std::string& modulesDir,
                               const std::string& savedDbPath) {
    tKesh_BDZemra_forBDD7& db = ConfigDb();
    ProgramState& shell = Shell();
    shell.DbReloadPending =
        ReloadPendingAfterSave(shell.DbReloadPending, db.DbOpened(), db.RequestedPath(),
                               savedDbPath, db.EntryCount(), db.DbFileCount());

    const PathSaveState dirs = CreateDirectories(reportsDir, modulesDir);
    if (dirs != pssSaved)
        return dirs;
    if (!db.DbOpened())
        return pssDbClosed;
    if (!WriteSettings(db, reportsDir, modulesDir))
        return pssSettingsNotWritten;
    shell.DbPath = db.DbPath();
    shell.ReportsDir = reportsDir;
    shell.ModulesDir = modulesDir;
    return pssSaved;
}
