// The non-visual steps of the main window's activation, configuration and exit.
#include "shell/shell_session.h"

#include "model/configdb/config_db.h"
#include "platform/profile_paths.h"
#include "shell/last_dir.h"
#include "shell/program_state.h"
#include "shell/settings_check.h"
#include "shell/settings_keys.h"

bool RefreshSettings() {
    ProgramState& shell = Shell();
    shell.ReportsDir.clear();
    shell.ModulesDir.clear();
    shell.LastDir = VendorAppPath("Last", kVendorName, true, true);
    ClearLastDir();
    return CheckSettings("", "");
}

bool LoadPendingDatabase(bool dbOpen) {
    if (!dbOpen || !Shell().DbReloadPending)
        return false;
    ConfigDb().Reload();
    Shell().DbReloadPending = false;
    return true;
}

void ReleaseProgramObjects() {
    if (ConfigDbExists())
        DestroyConfigDb();
    ClearLastDir();
}
