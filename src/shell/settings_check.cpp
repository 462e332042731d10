// The settings check run at every activation of the main window.
#include "shell/settings_check.h"

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/profile_paths.h"
#include "shell/program_state.h"
#include "shell/settings_keys.h"
#include "shell/stored_path.h"

std::string DefaultDbPath() {
    return ChangeFileExt(VendorPath(kVendorName, "BD-Zemra", true), ".zip");
}

bool CheckSettings(const std::string& defaultReportsDir, const std::string& defaultModulesDir) {
    ProgramState& shell = Shell();
    IniFile ini(shell.SettingsFileName);
    const bool fileExisted = FileExists(shell.SettingsFileName);

    shell.FlashDiskDir = ini.ReadString(kSectionCommon, kKeyFlashDiskDir, "");
    shell.ReportsDir = ini.ReadString(kSectionCommon, kKeyReportsDir, defaultReportsDir);
    shell.ModulesDir = ini.ReadString(kSectionCommon, kKeyModulesDir, defaultModulesDir);
    shell.QuickSaveDir = ini.ReadString(kSectionCommon, kKeyQuickSaveDir, "");

    std::string path = ini.ReadString(kSectionCommon, kKeyDbPath, "");
    int kind = static_cast<int>(ini.ReadInteger(kSectionCommon, kKeyDbKind, kDbKindZip));
    if (path.empty()) {
        path = DefaultDbPath();
        kind = kDbKindZip;
    }
    path = NormalizeStoredPath(kind, path);

    std::string error;
    const bool dbOpened = ConfigDb().Open(kind, path, &error);
    if (dbOpened)
        shell.DbPath = path;

    const bool reportsOk = CheckDirOrDefault(shell.ReportsDir, defaultReportsDir);
    const bool modulesOk = CheckDirOrDefault(shell.ModulesDir, defaultModulesDir);
    const bool result = dbOpened && reportsOk && modulesOk;

    if (result && !fileExisted) {
        ini.WriteString(kSectionCommon, kKeyDbPath, path);
        ini.WriteString(kSectionCommon, kKeyReportsDir, shell.ReportsDir);
        ini.WriteString(kSectionCommon, kKeyModulesDir, shell.ModulesDir);
        ini.WriteString(kSectionCommon, kKeyFlashDiskDir, shell.FlashDiskDir);
        ini.Save();
    }
    return result;
}
