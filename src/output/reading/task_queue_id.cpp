// Comparing the controller's task-queue identifier with the stored one, and accepting it.
#include "output/reading/task_queue_id.h"

#include <algorithm>
#include <cctype>

#include "model/queue/task_cl.h"
#include "output/reading/module_files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"

namespace {

// The identifier without blanks, in upper case, so texts written with or without separators
// compare alike.
std::string Compact(const std::string& id) {
    std::string out;
    for (const char c : id)
        if (c != ' ')
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool IsIdentifierText(const std::string& id) {
    return std::any_of(id.begin(), id.end(), [](char c) { return c != ' '; }) &&
           std::all_of(id.begin(), id.end(), [](char c) {
               return c == ' ' || std::isxdigit(static_cast<unsigned char>(c));
           });
}

}  // namespace

bool CheckTaskQueueId(const std::string& moduleDir, const std::string& deviceId,
                      std::string& storedShown) {
    const std::string device = Compact(deviceId);
    const std::string queueFile = FirstModuleFile(moduleDir, ".tsk");
    storedShown = queueFile.empty() ? "" : Task_CL(queueFile).IdText(" ");
    if (!device.empty() && Compact(storedShown) == device)
        return true;
    const IniFile link(FirstModuleFile(moduleDir, ".ini"));
    storedShown = link.ReadString(kSecCommon, kKeyRealId, "");
    return !device.empty() && Compact(storedShown) == device;
}

bool AcceptDeviceId(const std::string& moduleDir, const std::string& deviceId) {
    const std::string linkFile = FirstModuleFile(moduleDir, ".ini");
    if (linkFile.empty() || !IsIdentifierText(deviceId))
        return false;
    IniFile link(linkFile);
    if (!link.Loaded())
        return false;
    link.WriteString(kSecCommon, kKeyRealId, deviceId);
    return link.Save();
}
