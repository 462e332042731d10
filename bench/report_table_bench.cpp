// Benchmark: a 2,999-row hourly report table with 32 columns built from a flash-disk file.
#include <chrono>
#include <cstdio>

#include "bench_support.h"
#include "model/flash/archive_writer.h"
#include "output/table/build_table.h"
#include "support/temp_dir.h"

namespace {

constexpr int kColumns = 32;
constexpr int kRows = 2999;
constexpr double kHour = 1.0 / 24;

// One hourly file whose blocks 0x100 … hold kRows + 1 records ending at last.
std::string WriteHourlyFile(const TempDir& dir, TDateTime last) {
    ArchiveFileSpec file;
    file.FileTime = last + kHour;
    for (int c = 0; c < kColumns; ++c) {
        ArchiveBlockSpec block;
        block.BlockId = static_cast<uint16_t>(0x100 + c);
        block.Depth = kRows + 1;
        block.BlockTime = last;
        block.Step = static_cast<float>(kHour);
        for (int r = 0; r <= kRows; ++r)
            block.Records.push_back(RecordOf(static_cast<float>(c * 100 + r % 97) / 7.0f));
        file.Blocks.push_back(std::move(block));
    }
    const std::string path = dir / "ARC_01.HNS";
    return WriteArchiveFile(path, file) ? path : "";
}

}  // namespace

int main() {
    TempDir dir;
    const TDateTime start = EncodeDateTime(2024, 1, 1, 0, 0, 0);
    const TDateTime end = start + kRows * kHour;
    const std::vector<std::string> files = {WriteHourlyFile(dir, end)};
    ReportRecords records;
    records.RepI.DescriptorPath = dir / "00000001.ini";
    records.RepI.ModuleReportPath = dir / "module.ini";
    WriteHourlyReportFiles(records.RepI.DescriptorPath, records.RepI.ModuleReportPath, kColumns,
                           0x100, kRows + 1);

    const long before = PeakKiB();
    ReportTable table;
    TableSource source;
    source.ArchiveFiles = &files;
    const auto t0 = std::chrono::steady_clock::now();
    const TableBuildResult result = BuildReportTable(table, records, source, start, end, nullptr);
    const auto t1 = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    std::printf(
        "report table, flash: %d rows x %zu columns, code %d: %.1f ms "
        "(target < 150 ms), peak memory %ld KiB (%ld KiB before the build)\n",
        table.Periods, table.Columns.size(), result.Code, ms, PeakKiB(), before);
    return result.Code;
}
