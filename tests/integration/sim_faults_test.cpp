// The exchange against the simulator's faults (dropped answers, noise, late answers), long
// routed answers over the network, and parameters read as text.
#include <gtest/gtest.h>

#include "comm/device/device_link.h"
#include "comm/device/param_text.h"
#include "comm/link/custom_link.h"
#include "comm/serial/termios_port.h"
#include "comm/transport/comport.h"
#include "comm/transport/ip_obmen.h"
#include "platform/format_settings.h"
#include "sim_server.h"

namespace {
const char kConfig[] = R"({
  "adapter": {"net": 32, "type": "0700", "caps": "4000"},
  "modules": [
    {"net": 5, "type": "07A1", "factory": "1234",
     "clock": {"time": "2024-03-15 10:30:05", "frozen": true},
     "params": {"F200": "FFFFFFFF", "F201": "00004641", "F202": "D2E5F1F200",
                "F203": "FEFF", "F204": "01", "F205": "00"},
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488}]},
    {"net": 6, "ext": 123456, "type": "07A2", "factory": "0042",
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488}]}
  ]})";

sim::SimConfig Config(const sim::SimFaults& faults = {}) {
    sim::SimConfig config = sim::ParseSimConfig(kConfig);
    config.faults = faults;
    return config;
}

TRS232Link SerialLink(int repeats) {
    TRS232Link link;
    link.COM = 1;
    link.Speed = 115200;
    link.Timeout = 1;
    link.Repeats = repeats;
    return link;
}

std::unique_ptr<T_Comport> OpenOnLine(sim::SimLine& line, const TCustomLink& link) {
    auto port = std::make_shared<std::unique_ptr<SerialPort>>(line.TakePort());
    auto x = std::make_unique<T_Comport>(
        link, [port](int) { return std::move(*port); }, line.Clock());
    std::string portText;
    EXPECT_EQ(x->Open(portText), 0);
    return x;
}

std::unique_ptr<T_IpObmen> OpenOnSocket(sim::Carrier carrier, const sim::SimServer& server,
                                        TTCPLink& link, int repeats) {
    link.IP = "127.0.0.1";
    link.Port = server.Port();
    link.Timeout = 1;
    link.Repeats = repeats;
    std::unique_ptr<T_IpObmen> x;
    if (carrier == sim::Carrier::Udp)
        x = std::make_unique<T_UdpObmen>(link);
    else
        x = std::make_unique<T_TCPObmen>(link);
    std::string portText;
    EXPECT_EQ(x->Open(portText), 0);
    return x;
}

int ReadFactoryNo(TBase_Obmen& x) {
    Bytes data;
    const int code = x.ReadParameter(0xF001, 2, -1, true, false, data, 5, 5, true);
    if (code == 0) {
        EXPECT_EQ(data, (Bytes{0x34, 0x12}));
    }
    return code;
}

TEST(SimFaults, DroppedAnswersAreRepeated) {
    sim::SimLine line(Config({.dropEvery = 2}));
    const TRS232Link link = SerialLink(2);
    auto x = OpenOnLine(line, link);
    int attempts = 0;
    x->OnProgress = [&](int) { ++attempts; };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ReadFactoryNo(*x), 0) << i;
    EXPECT_GT(line.Device().Counters().dropped, 0);
    EXPECT_EQ(attempts, 5 + line.Device().Counters().dropped);
    std::vector<double> values;
    EXPECT_EQ(x->ReadRange(0x300, 1488, 0, 0, 119, -1, 5, 5, true, values), 0);
    EXPECT_EQ(values.size(), 120u);
}

TEST(SimFaults, DroppedAnswerWithoutRepeatsIsNoAnswer) {
    sim::SimLine line(Config({.dropEvery = 2}));
    const TRS232Link link = SerialLink(1);
    auto x = OpenOnLine(line, link);
    EXPECT_EQ(ReadFactoryNo(*x), 0);
    EXPECT_EQ(ReadFactoryNo(*x), kNoAnswer);
    EXPECT_EQ(ReadFactoryNo(*x), 0);
}

TEST(SimFaults, NoiseBeforeTheStartByteIsSkipped) {
    sim::SimLine line(Config({.noise = 300}));
    const TRS232Link link = SerialLink(1);
    auto x = OpenOnLine(line, link);
    std::vector<std::string> trace;
    x->OnLog = [&](const std::string& text, int) { trace.push_back(text); };
    EXPECT_EQ(ReadFactoryNo(*x), 0);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[1].substr(0, 9), "<< 31 32 ");
    std::vector<double> values;
    EXPECT_EQ(x->ReadRange(0x300, 1488, 0, 0, 59, -1, 5, 5, true, values), 0);
    EXPECT_EQ(values.size(), 60u);
}

TEST(SimFaults, NoiseOnARealLine) {
    sim::SimServer server(Config({.noise = 20}), sim::Carrier::Pty);
    ASSERT_TRUE(server.Start()) << server.Error();
    const TRS232Link link = SerialLink(1);
    const std::string slave = server.SlavePath();
    T_Comport x(link, [&](int) { return OpenTermiosPort(slave); });
    std::string portText;
    ASSERT_EQ(x.Open(portText), 0);
    EXPECT_EQ(ReadFactoryNo(x), 0);
    x.Close();
    server.Stop();
}

TEST(SimFaults, AnswerLaterThanTheTimeOutIsNoAnswer) {
    for (sim::Carrier carrier : {sim::Carrier::Udp, sim::Carrier::Tcp}) {
        sim::SimServer server(Config({.delayMs = 1500}), carrier);
        ASSERT_TRUE(server.Start()) << server.Error();
        TTCPLink link(0);
        auto x = OpenOnSocket(carrier, server, link, 1);
        EXPECT_EQ(ReadFactoryNo(*x), kNoAnswer) << static_cast<int>(carrier);
        x->Close();
        server.Stop();
    }
    // A delay inside the time-out is only waited for.
    sim::SimServer server(Config({.delayMs = 200}), sim::Carrier::Udp);
    ASSERT_TRUE(server.Start()) << server.Error();
    TTCPLink link(0);
    auto x = OpenOnSocket(sim::Carrier::Udp, server, link, 1);
    EXPECT_EQ(ReadFactoryNo(*x), 0);
    server.Stop();
}

TEST(LongAnswers, SixtyElementsRoutedToAnExtendedNumberOverTheNetwork) {
    for (sim::Carrier carrier : {sim::Carrier::Udp, sim::Carrier::Tcp}) {
        sim::SimServer server(Config(), carrier);
        ASSERT_TRUE(server.Start()) << server.Error();
        TTCPLink link(0);
        // The adapter passes on the module's own request form, which carries the number.
        link.Sposob = 1;
        auto x = OpenOnSocket(carrier, server, link, 2);
        x->AdapterNo = 32;
        bool flagBit = false;
        uint32_t flags = 0;
        ASSERT_EQ(x->ProbeProtocol(32, -1, true, flagBit, flags), 0);
        ASSERT_TRUE(x->RoutingAllowed);
        std::vector<std::string> trace;
        x->OnLog = [&](const std::string& text, int) { trace.push_back(text); };
        std::vector<double> values;
        EXPECT_EQ(x->ReadRange(0x300, 1488, 0, 0, 59, 123456, kExtendedAddress, 32, false, values),
                  0)
            << static_cast<int>(carrier);
        EXPECT_EQ(values.size(), 60u);
        // One answer of 260 bytes or more carried the whole range.
        ASSERT_EQ(trace.size(), 2u);
        const std::string& answer = trace[1];
        EXPECT_GE(std::stoi(answer.substr(answer.rfind(' ') + 1)), 260) << answer;
        server.Stop();
    }
}

// The program's link set to an in-process line to the simulator, for the device operations.
class LinkedLine {
  public:
    LinkedLine() : line_(Config()) {
        Device().LinkSettings = std::make_unique<TRS232Link>(SerialLink(1));
        Device().Exchange = OpenOnLine(line_, *Device().LinkSettings);
        Device().Direct = true;
    }
    ~LinkedLine() { Disconnect(); }

  private:
    sim::SimLine line_;
};

TEST(ReadParamText, ValuesOfTheSimulatedModule) {
    LinkedLine linked;
    FormatSettings& fs = CurrentFormatSettings();
    const FormatSettings saved = fs;
    fs = {.DecimalSeparator = ',', .DateSeparator = '/', .TimeSeparator = '-'};
    const struct {
        int number, type, decimals;
        const char* text;
    } cases[] = {
        {0xF200, 4, 2, "***"},      {0xF201, 4, -1, "12,3750"}, {0xF201, 4, 1, "12,4"},
        {0xF202, 0x88, 0, "Тест"},  {0xF203, 0xF2, 0, "-2"},    {0xF204, 0, 0, "1"},
        {0xF205, 0, 0, "0"},        {0, 5, 0, "10-30-05"},      {0, 6, 0, "15/03/2024"},
        {0xF203, 0xD2, 0, "65534"},
    };
    for (const auto& c : cases) {
        std::string message, text;
        EXPECT_EQ(ReadParamText(5, c.number, c.type, -1, message, text, c.decimals), 0)
            << c.text << " " << message;
        EXPECT_EQ(text, c.text);
    }
    fs = saved;
    std::string message, text = "old";
    EXPECT_EQ(ReadParamText(5, 0xF2FF, 0xD2, -1, message, text, 0), kNegativeAck);
    EXPECT_EQ(text, "");
    EXPECT_EQ(message, ErrorText(kNegativeAck));
}
}  // namespace
