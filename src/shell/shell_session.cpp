// The non-visual steps of the main window's activation, configuration and exit.
#include "shell/shell_session.h"

#include "model/configdb/config_db.h"
#include "platform/profile_paths.h"
#include "platform/prompts.h"
#include "shell/last_dir.h"
#include "shell/program_state.h"
#include "shell/settings_check.h"
#include "shell/settings_keys.h"

namespace {

// Files of the database that could not be loaded (damaged or oversized entries) are named
// in one message, so a partly usable database is never taken for a complete one.
void ReportLoadProblems(const std::vector<std::string>& problems) {
    if (problems.empty())
        return;
    std::string text = "Библиотека BD-Zemra загружена не полностью:";
    for (const std::string& line : problems)
        text += "\n" + line;
    CurrentPrompts().Message("Velorm", text, PromptIcon::Warning);
}

}  // namespace

bool RefreshSettings() {
    ProgramState& shell = Shell();
    if (!shell.AlgorithmList)
        shell.AlgorithmList = std::make_unique<TSpisAlg>();
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
    ReportLoadProblems(ConfigDb().LoadProblems());
    return true;
}

void ReleaseProgramObjects() {
    Shell().AlgorithmList.reset();
    if (ConfigDbExists())
        DestroyConfigDb();
    ClearLastDir();
}
