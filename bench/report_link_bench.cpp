// Benchmark: a 31-day hourly report table with 8 columns read from velorm-sim over TCP on
// loopback through the whole controller reading flow (connection, module search, the
// controller's clock and identifiers, eight archive reads, the table).
#include <chrono>
#include <cstdio>

#include "bench_support.h"
#include "model/queue/tsk_file.h"
#include "output/reading/read_from_controller.h"
#include "reports/hex_values.h"
#include "sim_server.h"
#include "support/temp_dir.h"

namespace {

constexpr int kColumns = 8;
constexpr int kDepth = 1488;
constexpr int kNet = 5;
constexpr uint32_t kQueueId = 0xA1B2C3D4;
const TDateTime kClock = EncodeDateTime(2024, 3, 15, 10, 30, 0);

sim::SimConfig Config() {
    sim::SimConfig config;
    sim::SimModule m;
    m.net = kNet;
    m.type = 0x07A1;
    m.factory = 0x1234;
    m.clock.start = kClock;
    m.taskId = kQueueId;
    for (int c = 0; c < kColumns; ++c)
        m.archives.push_back({0x300 + c, sim::ArchiveKind::Hour, kDepth, 0.5, double(c), {}, 0});
    config.modules.push_back(m);
    return config;
}

// The module directory (queue, link file over TCP, module report file) and the descriptor.
void WriteModule(const TempDir& dir, int port, ReportRecords& records) {
    TskFile queue;
    queue.Header.IdFlags = 15;
    queue.Header.IdTable[0] = kQueueId;
    const std::vector<uint8_t> bytes = EncodeTskFile(queue);
    dir.WriteFile("module/07A1_1234.tsk", std::string(bytes.begin(), bytes.end()));
    dir.WriteFile("module/07A1_1234.ini",
                  "[Common]\nVS=0\nSetn=" + HexDigits(kNet, 2) +
                      "\n\n[Link]\nType=ltTCP\nNNum=$FFFFFFFF\nRepeats=2\nTimeout=1\n"
                      "Protocol=epFT12\nIP=127.0.0.1\nPort=" +
                      std::to_string(port) + "\n");
    records.RepI.ModuleDir = dir / "module";
    records.RepI.DescriptorPath = dir / "00000001.ini";
    records.RepI.ModuleReportPath = dir.WriteFile("module/Reports/00000001.ini", "");
    records.RepI.ArchiveKind = 0;
    WriteHourlyReportFiles(records.RepI.DescriptorPath, records.RepI.ModuleReportPath, kColumns,
                           0x300, kDepth);
}

}  // namespace

int main() {
    sim::SimServer server(Config(), sim::Carrier::Tcp);
    if (!server.Start()) {
        std::fprintf(stderr, "velorm-sim: %s\n", server.Error().c_str());
        return 1;
    }
    TempDir dir;
    ReportRecords records;
    WriteModule(dir, server.Port(), records);
    const TDateTime end = EncodeDateTime(2024, 3, 15, 0, 0, 0);

    const long before = PeakKiB();
    ReportTable table;
    const auto t0 = std::chrono::steady_clock::now();
    const ControllerOutcome outcome =
        ReadFromController(table, records, ControllerReading{}, end - 31, end, nullptr);
    const auto t1 = std::chrono::steady_clock::now();
    server.Stop();
    const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    std::printf(
        "report table, controller over TCP: %d rows x %zu columns, code %d: %.1f ms, "
        "%lld requests, peak memory %ld KiB (%ld KiB before the reading)\n",
        table.Periods, table.Columns.size(), outcome.Result.Code, ms, server.Counters().requests,
        PeakKiB(), before);
    if (outcome.Result.Code != 0)
        std::fprintf(stderr, "%s / %s\n", outcome.Result.Message.c_str(),
                     outcome.ExchangeError.c_str());
    return -outcome.Result.Code;
}
