// velorm-sim: simulated metering controllers over UDP, TCP or a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <unistd.h>

#include "sim_server.h"

namespace {
const char kHelp[] = R"(velorm-sim - simulated metering controllers for tests and demos

usage: velorm-sim --config FILE [--udp PORT] [--tcp PORT] [--pty] [--trace FILE]

  --config FILE   JSON description of the adapter, the modules and the faults
                  (see docs/simulator.md for every key and a sample)
  --udp PORT      answer requests arriving as UDP datagrams on 127.0.0.1:PORT
  --tcp PORT      accept one TCP client at a time on 127.0.0.1:PORT
  --pty           open a pseudo-terminal and print its slave path ("pty: /dev/pts/N");
                  point a COMn at it in the section [Ports] of the settings file
  --trace FILE    write every request (RX) and answer (TX) frame to FILE
  --help          this text

Any number of carriers may be given (port 0 picks a free port, which is printed).
Modules answer the direct requests (read parameter 01h, read elements 15h, access
level 17h, with the extended network number FEh), the adapter forms (11h, 14h, 19h),
the adapter command prefix 28h and wrapped frames 27h 14h.
Faults (the "faults" object): drop_every N, corrupt_every N (wrong checksum),
noise N (bytes before every answer), delay_ms N, pace_baud N (answers sent at N baud,
10 bits a byte); per module "nak": parameters answered with E5h.
The program runs until interrupted (Ctrl+C, SIGTERM) and then prints its counters.
)";

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}
}  // namespace

int main(int argc, char** argv) {
    std::string configPath, tracePath;
    std::vector<std::pair<sim::Carrier, int>> carriers;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (arg == "--config" && hasValue) {
            configPath = argv[++i];
        } else if (arg == "--trace" && hasValue) {
            tracePath = argv[++i];
        } else if (arg == "--udp" && hasValue) {
            carriers.emplace_back(sim::Carrier::Udp, std::atoi(argv[++i]));
        } else if (arg == "--tcp" && hasValue) {
            carriers.emplace_back(sim::Carrier::Tcp, std::atoi(argv[++i]));
        } else if (arg == "--pty") {
            carriers.emplace_back(sim::Carrier::Pty, 0);
        } else {
            std::fprintf(stderr, "velorm-sim: unknown or incomplete option %s (see --help)\n",
                         arg.c_str());
            return 2;
        }
    }
    if (configPath.empty() || carriers.empty()) {
        std::fputs("velorm-sim: --config and at least one carrier are needed (see --help)\n",
                   stderr);
        return 2;
    }
    sim::SimConfig config;
    try {
        config = sim::LoadSimConfig(configPath);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velorm-sim: %s\n", e.what());
        return 1;
    }
    std::ofstream trace;
    std::mutex traceLock;
    if (!tracePath.empty())
        trace.open(tracePath);
    std::vector<std::unique_ptr<sim::SimServer>> servers;
    for (const auto& [carrier, port] : carriers) {
        auto server = std::make_unique<sim::SimServer>(config, carrier, port);
        if (trace.is_open()) {
            server->SetTrace([&trace, &traceLock](const std::string& line) {
                std::lock_guard<std::mutex> hold(traceLock);
                trace << line << '\n' << std::flush;
            });
        }
        if (!server->Start()) {
            std::fprintf(stderr, "velorm-sim: %s\n", server->Error().c_str());
            return 1;
        }
        if (carrier == sim::Carrier::Pty)
            std::printf("pty: %s\n", server->SlavePath().c_str());
        else
            std::printf("%s: 127.0.0.1:%d\n", carrier == sim::Carrier::Udp ? "udp" : "tcp",
                        server->Port());
        servers.push_back(std::move(server));
    }
    std::fflush(stdout);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (g_stop == 0)
        pause();
    sim::SimCounters total;
    for (auto& server : servers) {
        server->Stop();
        const sim::SimCounters c = server->Counters();
        total.requests += c.requests;
        total.answers += c.answers;
        total.dropped += c.dropped;
        total.corrupted += c.corrupted;
        total.ignored += c.ignored;
    }
    std::printf("requests %lld, answers %lld, dropped %lld, corrupted %lld, unanswered %lld\n",
                total.requests, total.answers, total.dropped, total.corrupted, total.ignored);
    return 0;
}
