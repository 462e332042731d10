// The demo configuration database for the fuzz targets.
#include "fuzz_db.h"

#include <cstdlib>
#include <filesystem>

#include "model/configdb/config_db.h"
#include "model/configdb/demo_db.h"

const std::string& FuzzDbRoot() {
    static const std::string root = [] {
        std::string dir = (std::filesystem::temp_directory_path() / "velorm-fuzz-XXXXXX").string();
        if (!mkdtemp(dir.data()))
            std::abort();
        static const std::string scratch = dir;
        std::atexit([] { std::filesystem::remove_all(scratch); });
        DemoConfigDbWritten written;
        std::string error;
        if (!WriteDemoConfigDb(dir, written, error) || !ConfigDb().OpenPath(written.directory))
            std::abort();
        return written.directory;
    }();
    return root;
}

TSpisAlg& FuzzLibrary() {
    static TSpisAlg library;
    return library;
}

std::unique_ptr<Task_CL> FuzzTemplateQueue() {
    return std::make_unique<Task_CL>(0x07A1, FuzzDbRoot(), "", "", "", &FuzzLibrary(), false);
}
