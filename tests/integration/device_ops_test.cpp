// The device operations against velorm-sim over UDP, TCP and a pseudo-terminal.
#include <gtest/gtest.h>

#include <cmath>

#include "comm/device/device_link.h"
#include "comm/device/find_module.h"
#include "comm/device/module_reads.h"
#include "comm/device/param_text.h"
#include "comm/device/read_archive.h"
#include "comm/link/new_link.h"
#include "shell/program_state.h"
#include "sim_server.h"
#include "support/temp_dir.h"

namespace {
const char kConfig[] = R"({
  "adapter": {"net": 32, "type": "0700", "caps": "4000"},
  "modules": [
    {"net": 5, "type": "07A1", "factory": "1234", "series": 7, "caps": "0004",
     "clock": {"time": "2024-03-15 10:30:00", "frozen": true},
     "report_hour": 9, "report_day": 1, "task_id": "A1B2C3D4", "password": "12AB",
     "nak": ["F100"],
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488, "a": 0.5, "b": 1},
                  {"number": "0301", "kind": "daily", "depth": 366, "a": 1, "b": 0},
                  {"number": "0302", "kind": "monthly", "depth": 48, "a": 2, "b": 3}]},
    {"net": 6, "ext": 123456, "type": "07A2", "factory": "0042", "numbered": false,
     "clock": {"time": "2024-03-15 10:30:00", "frozen": true},
     "archives": [{"number": "0300", "kind": "hourly", "depth": 1488, "a": 1, "b": 0}]},
    {"net": 7, "type": "07A3", "factory": "0077", "caps": "4000",
     "clock": {"time": "2024-03-15 10:30:00", "frozen": true}}
  ]})";

constexpr int kRepeats = 2;

// A simulator on one carrier and the program's link to it; Disconnect when done.
class SimLink {
  public:
    SimLink(sim::Carrier carrier, sim::SimConfig config) : server_(std::move(config), carrier) {
        ok_ = server_.Start();
        if (carrier == sim::Carrier::Pty) {
            settings_ = dir_.WriteFile("Velorm.ini", "[Ports]\nCOM7=" + server_.SlavePath() + "\n");
            savedSettings_ = Shell().SettingsFileName;
            Shell().SettingsFileName = settings_;
            serial_.COM = 7;
            serial_.Speed = 115200;
            serial_.Timeout = 1;
            serial_.Repeats = kRepeats;
            link_ = &serial_;
        } else {
            ip_ = std::make_unique<TIPLink>(carrier == sim::Carrier::Udp ? TIPLink(TUDPLink(0))
                                                                         : TIPLink(TTCPLink(0)));
            ip_->IP = "127.0.0.1";
            ip_->Port = server_.Port();
            ip_->Timeout = 1;
            ip_->Repeats = kRepeats;
            link_ = ip_.get();
        }
    }
    ~SimLink() {
        Disconnect();
        server_.Stop();
        if (!settings_.empty())
            Shell().SettingsFileName = savedSettings_;
    }
    SimLink(const SimLink&) = delete;
    SimLink& operator=(const SimLink&) = delete;

    bool Started() const { return ok_; }
    TCustomLink& Link() { return *link_; }
    bool Open(int adapter, std::string& message, ProgressCallback progress = nullptr) {
        return Connect(*link_, adapter, message, -1, std::move(progress), nullptr);
    }

  private:
    sim::SimServer server_;
    bool ok_ = false;
    TempDir dir_;
    std::string settings_, savedSettings_;
    TRS232Link serial_;
    std::unique_ptr<TIPLink> ip_;
    TCustomLink* link_ = nullptr;
};

class DeviceOps : public ::testing::TestWithParam<sim::Carrier> {
  protected:
    static sim::SimConfig Config() { return sim::ParseSimConfig(kConfig); }
};

std::string CarrierName(const ::testing::TestParamInfo<sim::Carrier>& info) {
    switch (info.param) {
        case sim::Carrier::Udp:
            return "Udp";
        case sim::Carrier::Tcp:
            return "Tcp";
        case sim::Carrier::Pty:
            return "PseudoTerminal";
    }
    return "";
}

TEST_P(DeviceOps, FindsAModuleAndReadsItsParameters) {
    SimLink sim(GetParam(), Config());
    ASSERT_TRUE(sim.Started());
    std::string message;
    ASSERT_TRUE(sim.Open(-1, message)) << message;
    EXPECT_EQ(message, "  OK");
    EXPECT_EQ(CheckAdapter(message), 0);

    std::string logged;
    FoundModule found;
    ASSERT_EQ(FindModule(
                  5, 1, false, nullptr, -1, [&](const std::string& text, int) { logged = text; },
                  [](int type) { return type == 0x07A1; }, found),
              0);
    EXPECT_EQ(found.typeCode, 0x07A1);
    EXPECT_EQ(found.factoryNo, 0x1234);
    EXPECT_EQ(found.series, 7);
    EXPECT_EQ(found.capabilities, 0x0204u);
    EXPECT_EQ(found.identity, "0007_1234");
    EXPECT_EQ(logged, "Найден модуль 07A1  cерия 0007,  заводской номер 1234, сетевой номер 05");
    // A module of another type is not taken.
    EXPECT_EQ(FindModule(
                  5, 1, false, nullptr, -1, nullptr, [](int) { return false; }, found),
              kOtherController);

    Bytes data;
    EXPECT_EQ(ReadModuleParam(5, 0xF001, 2, true, -1, message, data), 0);
    EXPECT_EQ(data, (Bytes{0x34, 0x12}));
    struct TextCase {
        int number, type;
        const char* text;
    } texts[] = {{0xF023, 0xC1, "9 "},   {0xF022, 0xC1, "1 "}, {0xF028, 0x84, "D4 C3 B2 A1 "},
                 {0xF001, 0x92, "1234"}, {0, 5, "10:30:00"},   {0, 6, "15.03.2024"}};
    for (const auto& c : texts) {
        std::string text;
        EXPECT_EQ(ReadParamText(5, c.number, c.type, -1, message, text, 2), 0) << c.text;
        EXPECT_EQ(text, c.text);
    }

    TDateTime clock = 0;
    double difference = 0;
    ASSERT_EQ(ReadModuleClock(5, clock, difference, -1, message), 0);
    EXPECT_NEAR(clock, EncodeDateTime(2024, 3, 15, 10, 30, 0), 1e-8);

    int count = 0;
    data.clear();
    // 65 elements in chunks of 60: a whole chunk and a cut one.
    ASSERT_EQ(ReadModuleElements(5, 0x300, 10, -1, message, count, data, 60, 4, 75), 0);
    EXPECT_EQ(count, 65);
    EXPECT_EQ(data.size(), 260u);

    EXPECT_TRUE(LoginModule(5, 3, "12AB", -1, message)) << message;
    EXPECT_FALSE(LoginModule(5, 3, "FFFF", -1, message));
    EXPECT_EQ(message, ErrorText(kAccessDenied));

    EXPECT_TRUE(Disconnect());
    EXPECT_EQ(ReadModuleParam(5, 0xF001, 2, true, -1, message, data), kNoLink);
    EXPECT_EQ(message, kNoLinkText);
    ConnectionErrorText(message);
    EXPECT_EQ(message, kNoLinkText);
}

TEST_P(DeviceOps, UnnumberedModuleByExtendedNumber) {
    SimLink sim(GetParam(), Config());
    ASSERT_TRUE(sim.Started());
    std::string message;
    ASSERT_TRUE(sim.Open(-1, message)) << message;
    FoundModule found;
    std::string logged;
    ASSERT_EQ(FindModule(
                  kExtendedAddress, 1, false, nullptr, 123456,
                  [&](const std::string& text, int) { logged = text; }, nullptr, found),
              0);
    EXPECT_EQ(Device().Exchange->FrameKind, kFrameUnnumbered);
    EXPECT_EQ(found.typeCode, 0x07A2);
    // Decimal numbers when the module is addressed by extended number.
    EXPECT_EQ(logged, "Найден модуль 07A2  заводской номер 66, сетевой номер 254");
    TDateTime first = 0, clock = 0;
    int count = 0;
    std::vector<double> values;
    ASSERT_EQ(ReadArchive(kExtendedAddress, 0, 0x300, 1488, message, first, clock, count, 123456,
                          values, EncodeDate(2024, 3, 10), EncodeDate(2024, 3, 15), 1, 9),
              0);
    EXPECT_EQ(count, 120);
    // A wrong extended number finds nothing.
    EXPECT_EQ(FindModule(kExtendedAddress, 1, true, nullptr, 654321, nullptr, nullptr, found),
              kNoAnswer);
}

TEST_P(DeviceOps, RoutesThroughTheAdapter) {
    SimLink sim(GetParam(), Config());
    ASSERT_TRUE(sim.Started());
    for (int sposob : {0, 1}) {
        sim.Link().Sposob = sposob;
        std::string message;
        ASSERT_TRUE(sim.Open(32, message)) << message;
        EXPECT_FALSE(Device().Direct);
        ASSERT_EQ(CheckAdapter(message), 0) << message;
        EXPECT_EQ(Device().AdapterFlags, 0x4000u);
        EXPECT_TRUE(Device().Exchange->RoutingAllowed);
        FoundModule found;
        ASSERT_EQ(FindModule(5, 1, false, nullptr, -1, nullptr, nullptr, found), 0) << sposob;
        EXPECT_EQ(found.capabilities, 0x0204u);
        EXPECT_EQ(found.identity, "0007_1234");
        TDateTime first = 0, clock = 0;
        int count = 0;
        std::vector<double> values;
        ASSERT_EQ(ReadArchive(5, 0, 0x300, 1488, message, first, clock, count, -1, values,
                              EncodeDate(2024, 3, 14), EncodeDate(2024, 3, 16), 1, 9),
                  0)
            << sposob;
        EXPECT_EQ(count, 34);
        EXPECT_TRUE(LoginModule(5, 3, "12AB", -1, message)) << message;
    }
}

TEST_P(DeviceOps, AdapterNumberAbove255AddressesDirectly) {
    SimLink sim(GetParam(), Config());
    ASSERT_TRUE(sim.Started());
    std::string message;
    ASSERT_TRUE(sim.Open(300, message)) << message;
    EXPECT_TRUE(Device().Direct);
    EXPECT_EQ(Device().Exchange->AdapterNo, -1);
    // Module 7 says it forwards frames; its reads must still go to it directly.
    FoundModule found;
    ASSERT_EQ(FindModule(7, 1, false, nullptr, -1, nullptr, nullptr, found), 0);
    EXPECT_TRUE(Device().Exchange->RoutingAllowed);
    Bytes data;
    EXPECT_EQ(ReadModuleParam(7, 0xF001, 2, true, -1, message, data), 0) << message;
}

TEST_P(DeviceOps, SilentDeviceAndNegativeAcknowledgement) {
    SimLink sim(GetParam(), Config());
    ASSERT_TRUE(sim.Started());
    std::string message;
    int attempts = 0;
    ASSERT_TRUE(sim.Open(-1, message, [&](int) { ++attempts; }));
    Bytes data;
    EXPECT_EQ(ReadModuleParam(77, 0xF001, 2, true, -1, message, data), kNoAnswer);
    EXPECT_EQ(attempts, kRepeats);
    EXPECT_EQ(message, ErrorText(kNoAnswer));
    EXPECT_EQ(ReadModuleParam(5, 0xF100, 2, true, -1, message, data), kNegativeAck);
    EXPECT_EQ(message, ErrorText(kNegativeAck));
    FoundModule found;
    EXPECT_EQ(FindModule(77, 1, true, nullptr, -1, nullptr, nullptr, found), kNoAnswer);
    EXPECT_EQ(Device().Exchange->Repeats, kRepeats);
    EXPECT_EQ(FindModule(
                  5, 1, false, [] { return true; }, -1, nullptr, nullptr, found),
              kStoppedByOperator);
}

TEST_P(DeviceOps, CorruptedAnswer) {
    sim::SimConfig config = Config();
    config.faults.corruptEvery = 1;
    SimLink sim(GetParam(), config);
    ASSERT_TRUE(sim.Started());
    std::string message;
    ASSERT_TRUE(sim.Open(-1, message));
    Bytes data;
    EXPECT_EQ(ReadModuleParam(5, 0xF001, 2, true, -1, message, data), kChecksumMismatch);
    TDateTime clock = 0;
    double difference = 0;
    EXPECT_EQ(ReadModuleClock(5, clock, difference, -1, message), kChecksumMismatch);
}

// The value the simulator keeps for the record of a period: a·n + b, n the period's ordinal.
double RecordValue(int kind, TDateTime t, double a, double b) {
    const TDateTime epoch = EncodeDate(2000, 1, 1);
    const DateParts d = DecodeDate(t);
    const double n = kind == 0   ? std::llround((t - epoch) * 24)
                     : kind == 1 ? std::floor(t - epoch + 1e-9)
                                 : (d.year - 2000) * 12.0 + d.month - 1;
    return static_cast<float>(a * n + b);
}

TDateTime RecordTimeAt(int kind, TDateTime first, int i) {
    return kind == 0 ? first + i / 24.0 : kind == 1 ? first + i : IncMonth(first, i);
}

struct ArchiveCase {
    const char* what;
    TDateTime clock;
    int reportHour, reportDay, kind;
    TDateTime start, end;
    int code, count;
    TDateTime first;
    int firstIndex, lastIndex;
};

TEST_P(DeviceOps, ArchivePeriods) {
    const auto at = [](int y, int m, int d, int h = 0, int n = 0) {
        return EncodeDateTime(y, m, d, h, n, 0);
    };
    const ArchiveCase cases[] = {
        {"hourly, end in the future cut to the clock", at(2024, 3, 15, 10, 30), 9, 1, 0,
         at(2024, 3, 15), at(2024, 3, 16), 0, 10, at(2024, 3, 15), 864, 873},
        {"hourly, start before the oldest record", at(2024, 3, 15, 10, 30), 9, 1, 0, at(2024, 1, 1),
         at(2024, 1, 14), 0, 14, at(2024, 1, 13, 10), -1, -1},
        {"hourly, wholly after the clock", at(2024, 3, 15, 10, 30), 9, 1, 0, at(2024, 3, 16),
         at(2024, 3, 17), kNoDataForPeriod, 0, 0, -1, -1},
        {"daily, ending today before the report hour", at(2024, 3, 15, 5), 9, 1, 1, at(2024, 3, 1),
         at(2024, 3, 15, 23), 0, 13, at(2024, 3, 1), 60, 72},
        {"daily, ending today after the report hour", at(2024, 3, 15, 10, 30), 9, 1, 1,
         at(2024, 3, 1), at(2024, 3, 15, 23), 0, 14, at(2024, 3, 1), 60, 73},
        {"daily, across the new year", at(2024, 3, 15, 10, 30), 9, 1, 1, at(2023, 12, 25),
         at(2024, 1, 5), 0, 12, at(2023, 12, 25), 358, 4},
        {"monthly, 48 months: March of 2020 and of 2021", at(2024, 3, 15, 10, 30), 0, 1, 2,
         at(2020, 3, 1), at(2021, 3, 31), 0, 13, at(2020, 3, 1), 2, 14},
        {"monthly, end cut to the last complete month", at(2024, 3, 15, 10, 30), 0, 1, 2,
         at(2023, 1, 1), at(2024, 12, 31), 0, 14, at(2023, 1, 1), 36, 1},
        {"monthly, report day 20 reached", at(2024, 3, 20, 10, 30), 0, 20, 2, at(2024, 1, 1),
         at(2024, 12, 31), 0, 3, at(2024, 1, 1), 0, 2},
        {"monthly, report day 20 not reached", at(2024, 3, 19, 10, 30), 0, 20, 2, at(2024, 1, 1),
         at(2024, 12, 31), 0, 2, at(2024, 1, 1), 0, 1},
    };
    const int numbers[] = {0x300, 0x301, 0x302};
    const int depths[] = {1488, 366, 48};
    const double a[] = {0.5, 1, 2}, b[] = {1, 0, 3};
    for (const auto& c : cases) {
        sim::SimConfig config = Config();
        sim::SimModule& m = config.modules[0];
        m.clock.start = c.clock;
        m.reportHour = c.reportHour;
        m.reportDay = c.reportDay;
        SimLink sim(GetParam(), config);
        ASSERT_TRUE(sim.Started());
        std::string message;
        ASSERT_TRUE(sim.Open(-1, message));
        TDateTime first = 0, clock = 0;
        int count = -1;
        std::vector<double> values;
        const int code =
            ReadArchive(5, c.kind, numbers[c.kind], depths[c.kind], message, first, clock, count,
                        -1, values, c.start, c.end, c.reportDay, c.reportHour);
        ASSERT_EQ(code, c.code) << c.what << ": " << message;
        EXPECT_EQ(count, c.count) << c.what;
        if (code != 0)
            continue;
        EXPECT_NEAR(first, c.first, 1e-8) << c.what;
        const auto& index = Device().Exchange->IndexList;
        if (c.firstIndex >= 0) {
            EXPECT_EQ(index.front(), c.firstIndex) << c.what;
            EXPECT_EQ(index.back(), c.lastIndex) << c.what;
        }
        ASSERT_EQ(values.size(), static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const TDateTime t = RecordTimeAt(c.kind, first, i);
            EXPECT_EQ(values[static_cast<size_t>(i)], RecordValue(c.kind, t, a[c.kind], b[c.kind]))
                << c.what << " record " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Carriers, DeviceOps,
                         ::testing::Values(sim::Carrier::Udp, sim::Carrier::Tcp, sim::Carrier::Pty),
                         CarrierName);

TEST(DeviceConnect, LinkKindsWithoutATransport) {
    std::string message;
    TIRPSLink irps;
    EXPECT_FALSE(Connect(irps, -1, message, -1, nullptr, nullptr));
    EXPECT_EQ(message, kNoLinkText);
    EXPECT_EQ(Device().Exchange, nullptr);
    for (TLinkType kind : {ltIWend15, ltCANbus, ltHayes, ltGSM}) {
        auto link = NewLink(kind);
        EXPECT_FALSE(Connect(*link, -1, message, -1, nullptr, nullptr)) << kind;
        EXPECT_EQ(Device().ConnectCode, kLinkKindNotAvailable) << kind;
        EXPECT_EQ(message.rfind(ErrorText(kLinkKindNotAvailable), 0), 0u) << message;
        EXPECT_EQ(Device().Exchange, nullptr);
    }
    std::string adapterMessage;
    EXPECT_EQ(CheckAdapter(adapterMessage), kNoLink);
    EXPECT_EQ(adapterMessage, kNoLinkText);
}

TEST(DeviceConnect, PortThatCannotBeOpened) {
    TempDir dir;
    const std::string saved = Shell().SettingsFileName;
    Shell().SettingsFileName = dir.WriteFile("Velorm.ini", "[Ports]\nCOM4=" + dir / "none" + "\n");
    TRS485Link link;
    link.COM = 4;
    std::string message, logged;
    EXPECT_FALSE(Connect(link, -1, message, -1, nullptr,
                         [&](const std::string& text, int kind) { logged = text; }));
    Shell().SettingsFileName = saved;
    EXPECT_EQ(logged, "COM4" + ErrorText(kPortOpenFailed));
    EXPECT_EQ(message, "COM4 \rНе удалось открыть порт, возможно он занят другим приложением");
    // The failed exchange stays until Disconnect frees it.
    ASSERT_NE(Device().Exchange, nullptr);
    ConnectionErrorText(message);
    EXPECT_EQ(message, "  Выход по требованию оператора ");
    EXPECT_TRUE(Disconnect());
    EXPECT_EQ(Device().Exchange, nullptr);
}
}  // namespace
