// velorm-cli demo: writes the demo world (for now the configuration database) into a directory.
#include <cstdio>

#include "cli/commands.h"
#include "model/configdb/demo_db.h"

int RunDemoCommand(const CliArgs& args) {
    if (args.size() != 2 || args[0] != "--out" || args[1].empty()) {
        std::fprintf(stderr, "usage: velorm-cli demo --out DIR\n");
        return 2;
    }
    const std::string& outDir = args[1];

    DemoConfigDbWritten db;
    std::string error;
    if (!WriteDemoConfigDb(outDir, db, error)) {
        std::fprintf(stderr, "velorm-cli demo: %s\n", error.c_str());
        return 1;
    }
    std::printf("configuration database, directory:   %s (%zu files)\n", db.directory.c_str(),
                db.fileCount);
    std::printf("configuration database, zip archive: %s (%zu files)\n", db.zip.c_str(),
                db.fileCount);
    return 0;
}
