// Writes the demo world and the settings file that points the program at it.
#include "shell/demo_world.h"

#include "model/configdb/demo_db.h"
#include "model/flash/demo_flash.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "shell/demo_sim_config.h"
#include "shell/settings_keys.h"

namespace {

bool MakeDirectory(const std::string& path, std::string& error) {
    std::string message = path;
    if (CreateDirectoryPath(path, message))
        return true;
    error = message;
    return false;
}

bool WriteSettingsFile(const std::string& settingsFile, const DemoWorld& world,
                       std::string& error) {
    if (!MakeDirectory(ExcludeTrailingPathDelimiter(ExtractFilePath(settingsFile)), error))
        return false;
    IniFile ini(settingsFile);
    ini.WriteString(kSectionCommon, kKeyDbPath, world.dbZip);
    ini.WriteInteger(kSectionCommon, kKeyDbKind, kDbKindZip);
    ini.WriteString(kSectionCommon, kKeyReportsDir, world.reportsDir);
    ini.WriteString(kSectionCommon, kKeyModulesDir, world.modulesDir);
    if (ini.Save())
        return true;
    error = "cannot write " + settingsFile;
    return false;
}

}  // namespace

bool WriteDemoWorld(const std::string& outDir, const std::string& settingsFile, DemoWorld& world,
                    std::string& error, int simPort) {
    DemoConfigDbWritten db;
    if (!WriteDemoConfigDb(outDir, db, error))
        return false;
    world.dbDirectory = db.directory;
    world.dbZip = db.zip;
    world.dbFileCount = db.fileCount;
    world.reportsDir = JoinPath(outDir, "Reports");
    world.modulesDir = JoinPath(outDir, "Modules");
    world.flashDir = JoinPath(outDir, "Flash");
    if (!MakeDirectory(world.reportsDir, error) || !MakeDirectory(world.modulesDir, error))
        return false;
    const DemoFlashWriting flash = WriteDemoFlash(world.flashDir);
    if (!flash.Error.empty()) {
        error = flash.Error;
        return false;
    }
    if (!WriteDemoReports(world.dbDirectory, world.reportsDir, world.modulesDir, world.flashDir,
                          simPort, world.reports, error))
        return false;
    world.simConfig = JoinPath(outDir, "velorm-sim.json");
    if (!WriteFileAtomic(world.simConfig, DemoSimConfigJson(world.reports.Controller))) {
        error = "cannot write " + world.simConfig;
        return false;
    }
    return settingsFile.empty() || WriteSettingsFile(settingsFile, world, error);
}
