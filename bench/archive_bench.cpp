// Benchmark: reading one block for a 64-day period from an hourly archive file of 32 blocks of
// 1,536 records, and listing its blocks. Prints microseconds per call.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/flash/archive_writer.h"
#include "model/flash/list_archive_blocks.h"
#include "model/flash/read_archive.h"

namespace {
constexpr int kBlocks = 32;
constexpr int kRecords = 1536;
constexpr int kRuns = 200;

ArchiveFileSpec HourlyFile(TDateTime last) {
    ArchiveFileSpec spec;
    spec.SeriesId = 1;
    spec.ModuleWord = 0x1234;
    spec.FileTime = last + 1.0 / 24;
    for (int b = 0; b < kBlocks; ++b) {
        ArchiveBlockSpec block;
        block.BlockId = static_cast<uint16_t>(0x0100 + b);
        block.Depth = kRecords;
        char name[16];
        std::snprintf(name, sizeof name, "Parameter %d", b);
        block.BlockName = std::string(name);
        std::snprintf(name, sizeof name, "P%d", b);
        block.BlockShortName = std::string(name);
        block.BlockTime = last;
        block.Step = 1.0f / 24;
        for (int r = 0; r < kRecords; ++r)
            block.Records.push_back(RecordOf(static_cast<float>(b * 1000 + r)));
        spec.Blocks.push_back(block);
    }
    return spec;
}

// Best and mean microseconds of kRuns calls.
void Measure(const char* what, const std::function<size_t()>& call) {
    std::vector<double> us;
    size_t result = 0;
    for (int i = 0; i < kRuns; ++i) {
        auto start = std::chrono::steady_clock::now();
        result = call();
        auto end = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    double mean = 0;
    for (double u : us)
        mean += u / us.size();
    std::printf("%-48s best %8.1f us   mean %8.1f us   (result %zu)\n", what,
                *std::min_element(us.begin(), us.end()), mean, result);
}
}  // namespace

int main() {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "velorm-archive-bench";
    fs::create_directories(dir);
    std::string file = (dir / "BENCH_00001.HNS").string();
    TDateTime last = EncodeDateTime(2024, 3, 15, 9, 0, 0);
    if (!WriteArchiveFile(file, HourlyFile(last))) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }
    std::printf("hourly file: %d blocks of %d records, %ju bytes\n", kBlocks, kRecords,
                static_cast<uintmax_t>(fs::file_size(file)));
    TDateTime from = last - 64 + 1.0 / 24;
    Measure("ReadArchiveFile, last block, 64 days",
            [&] { return ReadArchiveFile(file, 0x0100 + kBlocks - 1, 0, from, last).Count(); });
    Measure("ReadArchiveFile, first block, 64 days",
            [&] { return ReadArchiveFile(file, 0x0100, 0, from, last).Count(); });
    std::vector<std::string> rows;
    Measure("ListArchiveBlocks",
            [&] { return static_cast<size_t>(ListArchiveBlocks(file, rows, true)); });
    fs::remove_all(dir);
    return 0;
}
