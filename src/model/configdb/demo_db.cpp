// The demo configuration database: a few algorithms, modules and template task queues.
#include "model/configdb/demo_db.h"

#include "model/demo/demo_contents.h"
#include "platform/files.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

std::vector<DbFileContent> DemoConfigDbFiles() {
    std::vector<DbFileContent> files{{"version.txt", Bytes("1.00 demo\r\n")}};
    for (auto& file : DemoDatabaseFiles())
        files.push_back(std::move(file));
    return files;
}

bool WriteDemoConfigDb(const std::string& outDir, DemoConfigDbWritten& written,
                       std::string& error) {
    std::vector<DbFileContent> files = DemoConfigDbFiles();
    written.directory = JoinPath(outDir, "BD-Zemra");
    written.zip = JoinPath(outDir, "BD-Zemra.zip");
    written.fileCount = files.size();
    return WriteDbDirectory(written.directory, files, error) &&
           WriteDbZip(written.zip, files, error);
}
