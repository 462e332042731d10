// Benchmark: a 31-day hourly archive (744 values) of 8 parameters read from velorm-sim over
// TCP on loopback and over a pseudo-terminal with the simulator sending at 115200 baud.
// Prints requests, bytes each way, elapsed time, the wire time, the waits the serial
// transport itself makes per request, and elapsed / (wire time + those waits).
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "comm/device/device_link.h"
#include "comm/device/read_archive.h"
#include "comm/link/custom_link.h"
#include "shell/program_state.h"
#include "sim_server.h"

namespace {
constexpr int kParams = 8;
constexpr int kBaud = 115200;
// Before every serial request the input is drained: a 2 ms pause and a 10 ms read that
// finds nothing.
constexpr double kSerialWaitPerRequestMs = 12;

sim::SimConfig Config(int paceBaud) {
    sim::SimConfig config;
    sim::SimModule m;
    m.net = 5;
    m.type = 0x07A1;
    m.factory = 0x1234;
    m.clock.start = EncodeDateTime(2024, 3, 15, 10, 30, 0);
    for (int i = 0; i < kParams; ++i)
        m.archives.push_back({0x300 + i, sim::ArchiveKind::Hour, 1488, 0.5, double(i), {}, 0});
    config.modules.push_back(m);
    config.faults.paceBaud = paceBaud;
    return config;
}

struct Figures {
    long long requests = 0, sent = 0, received = 0;
    double elapsedMs = 0;
    int values = 0;
};

bool Run(sim::Carrier carrier, TCustomLink& link, sim::SimServer& server, Figures& f) {
    std::atomic<long long> requests{0}, sent{0}, received{0};
    server.SetTrace([&](const std::string& line) {
        const long long bytes = static_cast<long long>((line.size() - 2) / 3);
        if (line.rfind("RX", 0) == 0) {
            ++requests;
            sent += bytes;
        } else {
            received += bytes;
        }
    });
    if (!server.Start())
        return false;
    if (carrier == sim::Carrier::Pty) {
        static const std::string settings = "/tmp/velorm-exchange-bench.ini";
        std::FILE* file = std::fopen(settings.c_str(), "w");
        std::fprintf(file, "[Ports]\nCOM9=%s\n", server.SlavePath().c_str());
        std::fclose(file);
        Shell().SettingsFileName = settings;
    } else {
        static_cast<TIPLink&>(link).Port = server.Port();
    }
    std::string message;
    if (!Connect(link, -1, message, -1, nullptr, nullptr)) {
        std::fprintf(stderr, "connect: %s\n", message.c_str());
        return false;
    }
    TDateTime clock = EncodeDateTime(2024, 3, 15, 10, 30, 0);
    const TDateTime end = EncodeDateTime(2024, 3, 15, 10, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kParams; ++i) {
        TDateTime first = 0;
        int count = 0;
        std::vector<double> values;
        const int code = ReadArchive(5, 0, 0x300 + i, 1488, message, first, clock, count, -1,
                                     values, end - 31, end, 1, 0);
        if (code != 0) {
            std::fprintf(stderr, "parameter %d: %s\n", i, message.c_str());
            return false;
        }
        f.values += count;
    }
    f.elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    Disconnect();
    server.Stop();
    if (carrier == sim::Carrier::Pty)
        std::remove(Shell().SettingsFileName.c_str());
    f.requests = requests;
    f.sent = sent;
    f.received = received;
    return true;
}

void Print(const char* what, const Figures& f, bool serial) {
    const double wireMs = serial ? (f.sent + f.received) * 10.0 * 1000 / kBaud : 0;
    const double waitsMs = serial ? f.requests * kSerialWaitPerRequestMs : 0;
    std::printf("%s\n  values %d, requests %lld, bytes sent %lld, received %lld\n", what, f.values,
                f.requests, f.sent, f.received);
    std::printf("  elapsed %.1f ms (%.2f ms a request)\n", f.elapsedMs, f.elapsedMs / f.requests);
    if (serial) {
        std::printf("  wire time %.1f ms, prescribed waits %.1f ms (%.0f ms a request)\n", wireMs,
                    waitsMs, kSerialWaitPerRequestMs);
        std::printf("  ratio elapsed / (wire + waits) = %.3f\n", f.elapsedMs / (wireMs + waitsMs));
        // The simulator paces only its answers; requests reach it at once.
        const double answersMs = f.received * 10.0 * 1000 / kBaud;
        std::printf("  ratio with the answers' wire time only = %.3f\n",
                    f.elapsedMs / (answersMs + waitsMs));
    }
}
}  // namespace

int main() {
    {
        sim::SimServer server(Config(0), sim::Carrier::Tcp);
        TTCPLink link(0);
        link.IP = "127.0.0.1";
        link.Timeout = 2;
        link.Repeats = 1;
        Figures f;
        if (!Run(sim::Carrier::Tcp, link, server, f))
            return 1;
        Print("TCP on loopback", f, false);
    }
    {
        sim::SimServer server(Config(kBaud), sim::Carrier::Pty);
        TRS232Link link;
        link.COM = 9;
        link.Speed = kBaud;
        link.Timeout = 2;
        link.Repeats = 1;
        Figures f;
        if (!Run(sim::Carrier::Pty, link, server, f))
            return 1;
        Print("pseudo-terminal, simulator pacing at 115200 baud", f, true);
    }
    return 0;
}
