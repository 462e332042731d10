// T_Comport on an in-memory line: line set-up, echo read-back, raw reads and writes.
#include <gtest/gtest.h>

#include "comm/exchange/hex_trace.h"
#include "comm/link/custom_link.h"
#include "comm/serial/fake_serial_port.h"
#include "comm/transport/comport.h"
#include "sim_device.h"

namespace {
const char kConfig[] = R"({"modules": [{"net": 5, "type": "07A1", "factory": "1234"}]})";

// A T_Comport on end a of a fake pair; the test holds end b as the device's side, which may
// echo every byte it receives (a two-wire line) and may answer as the simulated module.
class ComportLine : public ::testing::Test {
  protected:
    ComportLine() : pair(MakeFakeSerialPair()), device(sim::ParseSimConfig(kConfig)) {
        link.COM = 12;
        link.Speed = 19200;
        link.StopBits = sb20;
        link.Timeout = 1;
        link.Repeats = 2;
        port = pair.a.get();
        port->OnIdle = [this] { Serve(); };
    }

    void Serve() {
        uint8_t buffer[512];
        int n = 0;
        while ((n = pair.b->Read(buffer, sizeof buffer, 0)) > 0) {
            if (echo)
                pair.b->Write(buffer, static_cast<size_t>(n), 0);
            framer.Feed(buffer, static_cast<size_t>(n));
        }
        if (answer) {
            for (const Bytes& a : device.AnswerStream(framer))
                pair.b->Write(a.data(), a.size(), 0);
        }
    }

    std::unique_ptr<T_Comport> OpenPort() {
        auto x = std::make_unique<T_Comport>(
            link,
            [this](int com) -> std::unique_ptr<SerialPort> {
                openedCom = com;
                return std::move(pair.a);
            },
            *pair.clock);
        x->OnLog = [this](const std::string& text, int) { trace.push_back(text); };
        std::string portText;
        EXPECT_EQ(x->Open(portText), 0);
        EXPECT_EQ(portText, "COM12");
        trace.clear();
        return x;
    }

    void Send(const Bytes& bytes) { pair.b->Write(bytes.data(), bytes.size(), 0); }

    TRS232Link link;
    FakeSerialPair pair;
    FakeSerialPort* port = nullptr;
    sim::SimDevice device;
    sim::RequestFramer framer;
    bool echo = false;
    bool answer = true;
    int openedCom = 0;
    std::vector<std::string> trace;
};

TEST_F(ComportLine, OpenSetsTheLineUp) {
    port->SetDtr(true);
    port->SetRts(true);
    auto x = OpenPort();
    EXPECT_EQ(openedCom, 12);
    EXPECT_EQ(port->Format().baud, 19200);
    EXPECT_TRUE(port->Format().twoStopBits);
    EXPECT_FALSE(port->Format().ctsFlow);
    // A plain RS-232 line drops DTR and RTS.
    EXPECT_FALSE(pair.b->Dcd());
    EXPECT_FALSE(pair.b->Cts());
}

TEST_F(ComportLine, SpeedOutsideTheTableFallsBackTo9600) {
    link.Speed = 38400;
    link.StopBits = sb15;
    auto x = OpenPort();
    EXPECT_EQ(port->Format().baud, 9600);
    EXPECT_FALSE(port->Format().twoStopBits);
}

TEST_F(ComportLine, PortThatCannotBeOpened) {
    T_Comport x(
        link, [](int) { return nullptr; }, *pair.clock);
    std::string portText;
    EXPECT_EQ(x.Open(portText), kPortOpenFailed);
    EXPECT_FALSE(x.IsOpen());
    Bytes data;
    EXPECT_EQ(x.ReadParameter(0xF001, 2, -1, true, false, data, 5, 5, true), kPortOpenFailed);
}

TEST_F(ComportLine, EchoIsReadBackBeforeTheAnswer) {
    echo = true;
    auto x = OpenPort();
    x->EchoLine = -1;
    Bytes data;
    ASSERT_EQ(x->ReadParameter(0xF001, 2, -1, true, false, data, 5, 5, true), 0);
    EXPECT_EQ(data, (Bytes{0x34, 0x12}));
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].substr(0, 3), ">> ");
    EXPECT_EQ(trace[1], "2x " + trace[0].substr(3));
    EXPECT_EQ(trace[2].substr(0, 3), "<< ");
}

TEST_F(ComportLine, WriteRawSendsExactlyTheBytesAndReadsAwayWhatWaited) {
    answer = false;
    auto x = OpenPort();
    const Bytes stale = {0x11, 0x22};
    port->Inject(stale.data(), stale.size());
    const Bytes bytes = {'A', 'T', '\r'};
    EXPECT_EQ(x->WriteRaw(bytes.data(), 3), 3);
    uint8_t got[8] = {};
    ASSERT_EQ(pair.b->Read(got, sizeof got, 0), 3);
    EXPECT_EQ(Bytes(got, got + 3), bytes);
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace[0], ">> 41 54 0D        2");
    EXPECT_EQ(port->Pending(), 0u);

    port->FailWrites = true;
    EXPECT_EQ(x->WriteRaw(bytes.data(), 3), 0);
}

TEST_F(ComportLine, WriteRawOnAnEchoLineReadsTheEchoBack) {
    answer = false;
    echo = true;
    auto x = OpenPort();
    x->EchoLine = -1;
    const Bytes bytes = {0x01, 0x02, 0x03};
    EXPECT_EQ(x->WriteRaw(bytes.data(), 3), 3);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[1], "2x 01 02 03 ");
    EXPECT_EQ(port->Pending(), 0u);
}

TEST_F(ComportLine, ReadRawPlainTakesUpToTheCount) {
    answer = false;
    auto x = OpenPort();
    Send({0x10, 0x20, 0x30, 0x40, 0x50});
    uint8_t got[8] = {};
    EXPECT_EQ(x->ReadRaw(got, 3, true), 3);
    EXPECT_EQ(Bytes(got, got + 3), (Bytes{0x10, 0x20, 0x30}));
    // The rest, then nothing more within the time-out.
    EXPECT_EQ(x->ReadRaw(got, 8, true), 2);
    EXPECT_EQ(Bytes(got, got + 2), (Bytes{0x40, 0x50}));
    EXPECT_EQ(x->ReadRaw(got, 8, true), 0);
    EXPECT_EQ(trace, (std::vector<std::string>{"<< 10 20 30 ", "<< 40 50 "}));
}

TEST_F(ComportLine, ReadRawFramedCollectsFollowingFramesAndSkipsNoise) {
    answer = false;
    auto x = OpenPort();
    const Bytes frame = sim::DeviceFrame(0x08, 5, {0xAA, 0xBB});
    Bytes stream = {0x33, 0x00};
    stream.insert(stream.end(), frame.begin(), frame.end());
    stream.push_back(0xA2);
    Send(stream);
    uint8_t got[64] = {};
    const int n = x->ReadRaw(got, sizeof got, false);
    Bytes expected = frame;
    expected.push_back(0xA2);
    ASSERT_EQ(n, static_cast<int>(expected.size()));
    EXPECT_EQ(Bytes(got, got + n), expected);
    // Later frames are awaited only for the short continuation wait.
    EXPECT_GT(x->ContinuationWait, 0);
    // A caller's buffer smaller than what came gets the first bytes only.
    Send(frame);
    EXPECT_EQ(x->ReadRaw(got, 4, false), 4);
    EXPECT_EQ(Bytes(got, got + 4), Bytes(frame.begin(), frame.begin() + 4));
}
TEST_F(ComportLine, ReadRawFramedEndsOnALineThatNeverFallsSilent) {
    auto x = OpenPort();
    const Bytes frame = sim::DeviceFrame(0x08, 5, {0xAA, 0xBB});
    port->OnIdle = [&] { Send(frame); };
    uint8_t got[32] = {};
    const int count = static_cast<int>(2 * frame.size());
    EXPECT_EQ(x->ReadRaw(got, count, false), count);
}
}  // namespace
