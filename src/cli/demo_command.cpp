// velorm-cli demo: writes the demo world into a directory, optionally with a settings file.
#include <cstdio>

#include "cli/commands.h"
#include "shell/demo_world.h"

int RunDemoCommand(const CliArgs& args) {
    std::string outDir, settingsFile;
    bool valid = args.size() % 2 == 0;
    for (size_t i = 0; valid && i < args.size(); i += 2) {
        if (args[i] == "--out")
            outDir = args[i + 1];
        else if (args[i] == "--settings")
            settingsFile = args[i + 1];
        else
            valid = false;
    }
    if (!valid || outDir.empty()) {
        std::fprintf(stderr, "usage: velorm-cli demo --out DIR [--settings FILE]\n");
        return 2;
    }
    DemoWorld world;
    std::string error;
    if (!WriteDemoWorld(outDir, settingsFile, world, error)) {
        std::fprintf(stderr, "velorm-cli demo: %s\n", error.c_str());
        return 1;
    }
    std::printf("configuration database, directory:   %s (%zu files)\n", world.dbDirectory.c_str(),
                world.dbFileCount);
    std::printf("configuration database, zip archive: %s (%zu files)\n", world.dbZip.c_str(),
                world.dbFileCount);
    std::printf("report forms:                        %s\n", world.reportsDir.c_str());
    std::printf("modules:                             %s\n", world.modulesDir.c_str());
    std::printf("demo module:                         %s\n", world.reports.ModuleDir.c_str());
    std::printf("flash-disk archive files:            %s\n", world.flashDir.c_str());
    std::printf("controller module:                   %s\n",
                world.reports.Controller.ModuleDir.c_str());
    std::printf("controller simulator:                velorm-sim --config %s --udp %d\n",
                world.simConfig.c_str(), world.reports.Controller.Port);
    if (!settingsFile.empty())
        std::printf("settings file:                       %s\n", settingsFile.c_str());
    return 0;
}
