// The demo configuration database: a few algorithms, modules and template task queues.
#include "model/configdb/demo_db.h"

#include "platform/files.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Placeholder contents until the real file writers exist: one line naming the file.
DbFileContent Placeholder(const std::string& relativePath) {
    return {relativePath, Bytes("demo " + relativePath + "\r\n")};
}

}  // namespace

std::vector<DbFileContent> DemoConfigDbFiles() {
    std::vector<DbFileContent> files{{"version.txt", Bytes("1.00 demo\r\n")}};
    for (const char* path : {"ALG/0001.alg", "ALG/0002.alg", "ALG/0010.alg", "ALG/01a4.alg",
                             "MOD/07a1.mod", "MOD/0b12.mod", "TASK/07a1.tsk", "TASK/0b12.tsk"})
        files.push_back(Placeholder(path));
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
