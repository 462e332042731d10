// Opening and fully loading a configuration database of 5,000 files, as a directory and as a
// zip archive: time and memory of each.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/configdb/config_db.h"
#include "model/configdb/db_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFileCount = 5000;
constexpr int kLookups = 200;

// Descriptor-like contents: records of a name, zero padding and varying numbers, 200 bytes
// to 6 KiB long.
std::vector<DbFileContent> GenerateFiles() {
    std::mt19937 rng(12345);
    const char* dirs[] = {"ALG", "MOD", "TASK"};
    const char* exts[] = {".alg", ".mod", ".tsk"};
    std::vector<DbFileContent> files{{"version.txt", {'5', '.', '0', '\r', '\n'}}};
    for (int i = 0; i < kFileCount; ++i) {
        int kind = i < 3000 ? 0 : i < 4000 ? 1 : 2;
        char name[32];
        std::snprintf(name, sizeof name, "%s/g%02d/%04x%s", dirs[kind], i % 20, i, exts[kind]);
        size_t size = 200 + rng() % 6000;
        std::vector<uint8_t> bytes;
        while (bytes.size() < size) {
            std::string record = "Parameter " + std::to_string(rng() % 500);
            bytes.insert(bytes.end(), record.begin(), record.end());
            bytes.resize(bytes.size() + 24, 0);
            for (int k = 0; k < 8; ++k)
                bytes.push_back(uint8_t(rng()));
        }
        bytes.resize(size);
        files.push_back({name, std::move(bytes)});
    }
    return files;
}

double StatusMiB(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::atof(line.c_str() + std::strlen(key)) / 1024.0;
    return 0;
}

double MsSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

bool Measure(const char* label, int kind, const std::string& path) {
    double rssBefore = StatusMiB("VmRSS:");
    tKesh_BDZemra_forBDD7 db;

    auto t0 = std::chrono::steady_clock::now();
    if (!db.Open(kind, path)) {
        std::printf("%s: not opened (%s)\n", label, db.LastError().c_str());
        return false;
    }
    double openMs = MsSince(t0);

    t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kLookups; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04X.ALG", i * 13 % 3000);
        db.GetStream(name);
    }
    double lookupMs = MsSince(t0) / kLookups;

    t0 = std::chrono::steady_clock::now();
    size_t listed = db.ListKind(dfkAlgorithm).size();
    double loadMs = MsSince(t0);

    std::vector<std::string> modules = db.ListKind(dfkModule);
    t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kLookups; ++i)
        db.GetStream(modules[size_t(i * 7) % modules.size()]);
    double cachedMs = MsSince(t0) / kLookups;

    double rssAfter = StatusMiB("VmRSS:");
    double peak = StatusMiB("VmHWM:");
    std::printf(
        "%-9s open+detect %8.1f ms | one file before load %7.2f ms | full load %8.1f ms"
        " (%zu files, %zu .alg) | one file after load %6.3f ms\n",
        label, openMs, lookupMs, loadMs, db.EntryCount(), listed, cachedMs);
    std::printf("%-9s memory: %.1f MiB before, %.1f MiB after (+%.1f), peak %.1f MiB (+%.1f)\n",
                label, rssBefore, rssAfter, rssAfter - rssBefore, peak, peak - rssBefore);
    return true;
}

// Runs work in a child process, so that each part's memory figures are its own and the
// generator's freed memory does not lower the figures of the measurements.
template <typename Work>
bool InChild(Work work) {
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid == 0) {
        bool ok = work();
        std::fflush(stdout);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool WriteDatabase(const std::string& dir, const std::string& zip) {
    std::vector<DbFileContent> files = GenerateFiles();
    uint64_t bytes = 0;
    for (const DbFileContent& f : files)
        bytes += f.bytes.size();
    std::string error;
    if (!WriteDbDirectory(dir, files, error) || !WriteDbZip(zip, files, error)) {
        std::fprintf(stderr, "configdb_bench: %s\n", error.c_str());
        return false;
    }
    std::printf("database: %d files, %.1f MiB; zip archive %.1f MiB\n", kFileCount,
                double(bytes) / (1 << 20), double(fs::file_size(zip)) / (1 << 20));
    return true;
}

}  // namespace

int main() {
    std::string root = (fs::temp_directory_path() / "velorm-bench-XXXXXX").string();
    if (!mkdtemp(root.data()))
        return 1;
    std::string dir = root + "/BD-Zemra";
    std::string zip = root + "/BD-Zemra.zip";
    bool ok = InChild([&] { return WriteDatabase(dir, zip); });
    if (ok) {
        InChild([&] { return Measure("directory", 1, dir); });
        InChild([&] { return Measure("zip", 0, zip); });
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    return ok ? 0 : 1;
}
