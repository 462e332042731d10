// What the main window's menu allows, decided from the configured directories.
#include "shell/menu_state.h"

#include <vector>

#include "platform/files.h"
#include "reports/report_search.h"

namespace {

std::vector<std::string> FilesDirectlyIn(const std::string& dir) {
    std::vector<std::string> files;
    for (const DirEntry& e : ListDirectory(dir))
        if (!e.isDirectory)
            files.push_back(JoinPath(dir, e.name));
    return files;
}

}  // namespace

MenuState DecideMenuState(const std::string& reportsDir, const std::string& modulesDir,
                          bool dbOpen) {
    MenuState state;
    state.reportForms = !reportsDir.empty();
    const bool configured = state.reportForms && !modulesDir.empty() && dbOpen;
    if (!configured) {
        state.statusMessage = kConfigurationErrorMessage;
        return state;
    }
    state.reportCommands = HasValidReportForm(FilesDirectlyIn(reportsDir));
    if (!state.reportCommands)
        state.statusMessage = kNoReportFormsMessage;
    return state;
}
