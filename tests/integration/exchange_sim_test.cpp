// The exchange against velorm-sim: in-process line, UDP, TCP and a pseudo-terminal.
#include <gtest/gtest.h>

#include <cmath>

#include "comm/link/custom_link.h"
#include "comm/serial/termios_port.h"
#include "comm/transport/comport.h"
#include "comm/transport/ip_obmen.h"
#include "sim_server.h"

namespace {
const char kConfig[] = R"({
  "adapter": {"net": 32, "type": "0700", "caps": "4000"},
  "modules": [
    {"net": 5, "type": "07A1", "factory": "1234", "series": 7, "caps": "0004",
     "clock": {"time": "2024-03-15 10:30:00", "frozen": true},
     "report_hour": 9, "report_day": 1, "task_id": "A1B2C3D4", "password": "12AB",
     "nak": ["F100"],
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488, "a": 0.5, "b": 1}]},
    {"net": 6, "ext": 123456, "type": "07A2", "factory": "0042", "numbered": false,
     "clock": {"time": "2024-03-15 10:30:00", "frozen": true},
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488, "a": 1, "b": 0}]}
  ]})";

TRS232Link SerialLink() {
    TRS232Link link;
    link.COM = 3;
    link.Speed = 115200;
    link.Timeout = 1;
    link.Repeats = 2;
    return link;
}

// The value the simulator keeps for an hour: a * hours since 2000-01-01 + b.
double HourValue(TDateTime t, double a, double b) {
    return a * std::llround((t - EncodeDate(2000, 1, 1)) * 24) + b;
}

// An exchange over the simulator's in-process line, opened on construction.
struct InProcessExchange {
    sim::SimLine line{sim::ParseSimConfig(kConfig)};
    TRS232Link link = SerialLink();
    std::unique_ptr<SerialPort> port = line.TakePort();
    T_Comport x{link, [this](int) { return std::move(port); }, line.Clock()};
    std::string portText;
    int openCode = x.Open(portText);
};

void ExpectReads(TBase_Obmen& x) {
    bool flagBit = false;
    uint32_t flags = 0;
    ASSERT_EQ(x.ProbeProtocol(5, -1, true, flagBit, flags), 0);
    EXPECT_EQ(x.FrameKind, kFrameNumbered);
    EXPECT_EQ(flags & 0x0204u, 0x0204u);
    EXPECT_TRUE(flagBit);
    Bytes data;
    EXPECT_EQ(x.ReadParameter(0xF001, 2, -1, true, true, data, 5, 5, true), 0);
    EXPECT_EQ(data, (Bytes{0x34, 0x12}));
    EXPECT_EQ(x.ReadParameter(0xF100, 2, -1, true, true, data, 5, 5, true), kNegativeAck);
    std::vector<double> values;
    // 100 hours ending in the ring's wrap: two requests of 60 and 40.
    ASSERT_EQ(x.ReadRange(0x300, 1488, 0, 1440, 51, -1, 5, 5, true, values), 0);
    ASSERT_EQ(values.size(), 100u);
    EXPECT_EQ(x.IndexList.front(), 1440);
    EXPECT_EQ(x.IndexList.back(), 51);
}
}  // namespace

TEST(ExchangeInProcess, ProbeReadsAndRanges) {
    InProcessExchange e;
    ASSERT_EQ(e.openCode, 0);
    EXPECT_EQ(e.portText, "COM3");
    ExpectReads(e.x);
}

TEST(ExchangeInProcess, UnnumberedModuleByExtendedNumber) {
    InProcessExchange e;
    ASSERT_EQ(e.openCode, 0);
    bool flagBit = false;
    uint32_t flags = 0;
    ASSERT_EQ(e.x.ProbeProtocol(kExtendedAddress, 123456, false, flagBit, flags), 0);
    EXPECT_EQ(e.x.FrameKind, kFrameUnnumbered);
    std::vector<double> values;
    // A long answer with the echoed extended number in front of 60 values.
    ASSERT_EQ(e.x.ReadRange(0x300, 1488, 0, 0, 59, 123456, kExtendedAddress, kExtendedAddress, true,
                            values),
              0);
    EXPECT_EQ(values.size(), 60u);
    Bytes data;
    EXPECT_EQ(e.x.ReadParameter(0xF001, 2, 654321, true, false, data, kExtendedAddress,
                                kExtendedAddress, true),
              kNoAnswer);
}

TEST(ExchangeInProcess, RoutesThroughTheAdapter) {
    InProcessExchange e;
    ASSERT_EQ(e.openCode, 0);
    e.x.AdapterNo = 32;
    bool flagBit = false;
    uint32_t flags = 0;
    ASSERT_EQ(e.x.ProbeProtocol(32, -1, true, flagBit, flags), 0);
    EXPECT_TRUE(e.x.RoutingAllowed);
    for (int sposob : {0, 1}) {
        e.link.Sposob = sposob;
        Bytes data;
        EXPECT_EQ(e.x.ReadParameter(0xF000, 2, -1, true, true, data, 5, 32, false), 0) << sposob;
        EXPECT_EQ(data, (Bytes{0xA1, 0x07})) << sposob;
        std::vector<double> values;
        ASSERT_EQ(e.x.ReadRange(0x300, 1488, 0, 10, 20, -1, 5, 32, false, values), 0) << sposob;
        EXPECT_EQ(values.size(), 11u);
    }
    EXPECT_EQ(e.x.SetAccessLevel(3, "12AB", -1, 5, 32, false), 0);
    EXPECT_EQ(e.x.SetAccessLevel(3, "FFFF", -1, 5, 5, true), kAccessDenied);
    EXPECT_EQ(e.x.SetAccessLevel(kServiceLevel, "", -1, 5, 5, true), 0);
}

TEST(ExchangeInProcess, SilentAndDamagedAnswers) {
    sim::SimConfig config = sim::ParseSimConfig(kConfig);
    config.faults.corruptEvery = 1;
    sim::SimLine line(config);
    const TRS232Link link = SerialLink();
    auto port = line.TakePort();
    T_Comport x(
        link, [&](int) { return std::move(port); }, line.Clock());
    std::vector<std::string> trace;
    x.OnLog = [&](const std::string& text, int) { trace.push_back(text); };
    std::string portText;
    ASSERT_EQ(x.Open(portText), 0);
    Bytes data;
    EXPECT_EQ(x.ReadParameter(0xF001, 2, -1, true, false, data, 5, 5, true), kChecksumMismatch);
    trace.clear();
    EXPECT_EQ(x.ReadParameter(0xF001, 2, -1, true, false, data, 77, 77, true), kNoAnswer);
    // Two attempts, each traced as request and empty answer.
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[0].substr(0, 3), ">> ");
    EXPECT_EQ(trace[1], "<< ");
}

TEST(ExchangeSockets, UdpAndTcp) {
    for (sim::Carrier carrier : {sim::Carrier::Udp, sim::Carrier::Tcp}) {
        sim::SimServer server(sim::ParseSimConfig(kConfig), carrier);
        ASSERT_TRUE(server.Start()) << server.Error();
        TTCPLink link(0);
        link.IP = "127.0.0.1";
        link.Port = server.Port();
        link.Timeout = 2;
        link.Repeats = 2;
        std::unique_ptr<T_IpObmen> x;
        if (carrier == sim::Carrier::Udp)
            x = std::make_unique<T_UdpObmen>(link);
        else
            x = std::make_unique<T_TCPObmen>(link);
        std::string portText;
        ASSERT_EQ(x->Open(portText), 0);
        EXPECT_EQ(portText, "127.0.0.1 (" + std::to_string(server.Port()) + ") ");
        ExpectReads(*x);
        x->Close();
        server.Stop();
    }
}

TEST(ExchangeSockets, TcpAnswerArrivingByteByByteIsPutTogether) {
    sim::SimConfig config = sim::ParseSimConfig(kConfig);
    config.faults.paceBaud = 115200;  // every answer byte written on its own
    sim::SimServer server(config, sim::Carrier::Tcp);
    ASSERT_TRUE(server.Start()) << server.Error();
    TTCPLink link(0);
    link.IP = "127.0.0.1";
    link.Port = server.Port();
    link.Timeout = 2;
    link.Repeats = 1;
    T_TCPObmen x(link);
    std::string portText;
    ASSERT_EQ(x.Open(portText), 0);
    ExpectReads(x);
    server.Stop();
}

TEST(ExchangePseudoTerminal, ReadsOverARealLine) {
    sim::SimServer server(sim::ParseSimConfig(kConfig), sim::Carrier::Pty);
    ASSERT_TRUE(server.Start()) << server.Error();
    const TRS232Link link = SerialLink();
    const std::string slave = server.SlavePath();
    T_Comport x(link, [&](int) { return OpenTermiosPort(slave); });
    std::string portText;
    ASSERT_EQ(x.Open(portText), 0);
    // The line is held exclusively.
    EXPECT_EQ(OpenTermiosPort(slave), nullptr);
    ExpectReads(x);
    x.Close();
    server.Stop();
}

TEST(ArchiveValues, MatchTheSimulatorFormula) {
    InProcessExchange e;
    ASSERT_EQ(e.openCode, 0);
    // Position of 2024-03-15 09:00 in a 62-day ring: (days since 2000 mod 62) * 24 + 9.
    const TDateTime t = EncodeDateTime(2024, 3, 15, 9, 0, 0);
    const int days = static_cast<int>(std::floor(t - EncodeDate(2000, 1, 1)));
    const int position = (days % 62) * 24 + 9;
    std::vector<double> values;
    ASSERT_EQ(e.x.ReadRange(0x300, 1488, 0, position, position, -1, 5, 5, true, values), 0);
    EXPECT_DOUBLE_EQ(values[0], static_cast<float>(HourValue(t, 0.5, 1)));
}
