// The controller reading flow against velorm-sim over UDP loopback, on the demo world's
// controller module.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "comm/device/device_link.h"
#include "output/reading/read_from_controller.h"
#include "output/reading/read_from_flash.h"
#include "output/table/result_codes.h"
#include "platform/files.h"
#include "platform/format_settings.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "shell/demo_world.h"
#include "shell/exchange_log.h"
#include "sim_server.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

const TDateTime kFrom = EncodeDateTime(2024, 3, 14, 0, 0, 0);
const TDateTime kTo = EncodeDateTime(2024, 3, 14, 12, 0, 0);

class ControllerFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        CurrentFormatSettings() = FormatSettings{};
        std::string error;
        ASSERT_TRUE(WriteDemoWorld(dir.Path(), "", world, error, 0)) << error;
        config = sim::LoadSimConfig(world.simConfig);
        module = world.reports.Controller;
        records = RecordsFor(module.ModuleDir);
    }
    void TearDown() override {
        if (server)
            server->Stop();
    }
    ReportRecords RecordsFor(const std::string& moduleDir) const {
        ReportRecords r;
        r.RepI.ModuleDir = moduleDir;
        r.RepI.ModuleReportPath = JoinPath(JoinPath(moduleDir, "Reports"), "00000001.ini");
        r.RepI.DescriptorPath = JoinPath(world.reportsDir, "00000001.ini");
        r.RepI.ArchiveKind = 0;
        return r;
    }
    // Starts the simulator on a free UDP port and points the module's link at it.
    void StartSim() {
        server = std::make_unique<sim::SimServer>(config, sim::Carrier::Udp);
        ASSERT_TRUE(server->Start()) << server->Error();
        LinkTo(server->Port());
    }
    void LinkTo(int port) {
        IniFile link(module.LinkPath);
        link.WriteInteger("Link", "Port", port);
        ASSERT_TRUE(link.Save());
    }
    ControllerOutcome Read(TDateTime from, TDateTime to) {
        statuses.clear();
        reading.Status = [this](const std::string& s) { statuses.push_back(s); };
        return ReadFromController(table, records, reading, from, to, nullptr);
    }
    std::string LinkFileText() const {
        const auto bytes = ReadWholeFile(module.LinkPath);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "";
    }

    TempDir dir;
    DemoWorld world;
    sim::SimConfig config;
    DemoControllerModule module;
    ReportRecords records;
    ReportTable table;
    ControllerReading reading;
    std::vector<std::string> statuses;
    std::unique_ptr<sim::SimServer> server;
};

// The simulated record of the hour: a·n + b as the controller's 4-byte float.
std::string SimValue(const sim::SimArchive& archive, TDateTime hour, const char* format) {
    const long long n = std::llround((hour - EncodeDate(2000, 1, 1)) * 24);
    char text[32];
    std::snprintf(text, sizeof text, format, static_cast<float>(archive.a * n + archive.b));
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

TEST_F(ControllerFlow, BuildsTheTableAsTheFlashReadingLaysItOut) {
    StartSim();
    TempDir profile;
    ScopedEnv home("XDG_CONFIG_HOME", profile.Path());
    std::vector<std::string> logged;
    SetLogWindow([&logged](const std::string& text, bool) { logged.push_back(text); });
    reading.SaveLog = true;
    reading.TimeoutText = "7";
    const std::string linkBefore = LinkFileText();

    const ControllerOutcome outcome = Read(kFrom + 0.5 / 24, kTo);
    SetLogWindow(nullptr);
    ASSERT_EQ(outcome.Result.Code, 0) << outcome.Result.Message << " / " << outcome.ExchangeError;
    EXPECT_FALSE(outcome.Mismatch);
    EXPECT_TRUE(records.Loaded);
    EXPECT_EQ(Device().Exchange, nullptr);  // the link is closed
    EXPECT_EQ(statuses,
              (std::vector<std::string>{"Выполняется подключение", "Выполняется поиск модулей",
                                        "Выполняется считывание значений параметров", ""}));
    EXPECT_EQ(LinkFileText(), linkBefore);  // the entered time-out is not stored

    ReportRecords flashRecords = RecordsFor(world.reports.ModuleDir);
    ReportTable flash;
    ASSERT_EQ(ReadFromFlash(flash, flashRecords, kFrom + 0.5 / 24, kTo, nullptr).Code, 0);
    ASSERT_EQ(table.RowCount(), flash.RowCount());
    ASSERT_EQ(table.Columns.size(), flash.Columns.size());
    for (size_t c = 0; c < table.Columns.size(); ++c)
        EXPECT_EQ(table.Cell(static_cast<int>(c), 0), flash.Cell(static_cast<int>(c), 0));
    for (int row = 0; row < table.RowCount(); ++row)
        EXPECT_EQ(table.Cell(0, row), flash.Cell(0, row));

    const sim::SimArchive& energy = config.modules[0].archives[0];
    ASSERT_EQ(energy.number, 0x0101);
    EXPECT_EQ(table.Cell(1, 1), SimValue(energy, kFrom, "%1.3f"));
    EXPECT_EQ(table.Cell(1, 12), SimValue(energy, kFrom + 11.0 / 24, "%1.3f"));
    for (size_t c = 1; c < table.Columns.size(); ++c)
        EXPECT_EQ(table.Cell(static_cast<int>(c), 6), " - ") << "05:00 is missing";

    const std::string logFile =
        JoinPath(profile / "Ambrisk/Velorm/Log", ExchangeLogFileName(Now()));
    EXPECT_TRUE(FileExists(logFile)) << logFile;
    EXPECT_TRUE(std::any_of(logged.begin(), logged.end(), [](const std::string& t) {
        return t.find(">> ") != std::string::npos;
    }));
}

TEST_F(ControllerFlow, AnotherQueueIdentifierStopsUntilTheUserAcceptsIt) {
    config.modules[0].taskId = 0x11223344;
    StartSim();
    const std::string linkBefore = LinkFileText();
    ControllerOutcome outcome = Read(kFrom, kTo);
    EXPECT_EQ(outcome.Result.Code, -rrQueueIdMismatch);
    EXPECT_EQ(outcome.Result.Message, "Не совпали идентификаторы очереди задач");
    EXPECT_TRUE(outcome.Mismatch);
    EXPECT_EQ(outcome.DeviceId, "44332211");
    char queueId[16];
    std::snprintf(queueId, sizeof queueId, "%02X %02X %02X %02X ", module.QueueId & 0xFF,
                  (module.QueueId >> 8) & 0xFF, (module.QueueId >> 16) & 0xFF,
                  module.QueueId >> 24);
    EXPECT_EQ(outcome.StoredId, "");  // realId was consulted and is not there
    EXPECT_EQ(LinkFileText(), linkBefore);
    EXPECT_FALSE(records.Loaded);

    ASSERT_TRUE(AcceptDeviceId(module.ModuleDir, outcome.DeviceId));
    outcome = Read(kFrom, kTo);
    EXPECT_EQ(outcome.Result.Code, 0) << outcome.Result.Message;
    EXPECT_FALSE(outcome.Mismatch);
    EXPECT_EQ(table.RowCount(), 12 + 2);

    // The queue's own identifier still matches first.
    std::string stored;
    EXPECT_TRUE(CheckTaskQueueId(module.ModuleDir, queueId, stored));
    EXPECT_EQ(stored, queueId);
}

TEST_F(ControllerFlow, RefusesBeforeConnecting) {
    StartSim();
    ControllerOutcome outcome = Read(kTo, kTo);
    EXPECT_EQ(outcome.Result.Code, -rrBadPeriod);
    EXPECT_EQ(outcome.Result.Message, "Дата начала периода больше или равна дате окончания");
    EXPECT_EQ(statuses, std::vector<std::string>{""});

    IniFile link(module.LinkPath);
    link.EraseSection("Link");
    ASSERT_TRUE(link.Save());
    outcome = Read(kFrom, kTo);
    EXPECT_EQ(outcome.Result.Code, -rrNoLinkSettings);
    EXPECT_EQ(outcome.Result.Message, "Связь не настроена");
}

TEST_F(ControllerFlow, TooLongAPeriodIsRefusedByTheTableBuild) {
    StartSim();
    const ControllerOutcome outcome = Read(kFrom - 130, kFrom);
    EXPECT_EQ(outcome.Result.Code, -rrTooManyRows);
    EXPECT_EQ(outcome.Result.Message, "Выбран слишком большой диапазон дат");
}

TEST_F(ControllerFlow, ColumnsWithoutAUsableArchiveDepthAreLeftOut) {
    StartSim();
    IniFile report(records.RepI.ModuleReportPath);
    report.WriteInteger("Id_3", std::string(kKeyMaxIndex) + "H", 0);
    report.WriteInteger("Id_4", std::string(kKeyMaxIndex) + "H", 1'000'000'000);
    ASSERT_TRUE(report.Save());
    const ControllerOutcome outcome = Read(kFrom, kTo);
    ASSERT_EQ(outcome.Result.Code, 0) << outcome.Result.Message;
    EXPECT_EQ(table.Columns.size(), 2u);  // the date and the energy
}

TEST_F(ControllerFlow, AModuleThatDoesNotAnswerIsNotFound) {
    StartSim();
    IniFile link(module.LinkPath);
    link.WriteString(kSecCommon, kKeySetn, "2A");
    ASSERT_TRUE(link.Save());
    reading.RepeatsText = "1";
    const ControllerOutcome outcome = Read(kFrom, kTo);
    EXPECT_EQ(outcome.Result.Code, -rrModuleNotFound);
    EXPECT_EQ(outcome.Result.Message, "Модуль не найден");
    EXPECT_EQ(outcome.ExchangeError, "Модуль с таким сетевым номером не найден");
    EXPECT_EQ(Device().Exchange, nullptr);
}

TEST_F(ControllerFlow, ReadsThroughTheAdapterTheLinkNames) {
    config.adapter = sim::SimAdapter{0x20, 0x0700, 0x4000, true};
    StartSim();
    reading.RepeatsText = "1";
    IniFile link(module.LinkPath);
    link.WriteString("Link", "NNum", "$20");
    ASSERT_TRUE(link.Save());
    ControllerOutcome outcome = Read(kFrom, kTo);
    ASSERT_EQ(outcome.Result.Code, 0) << outcome.Result.Message << " / " << outcome.ExchangeError;
    EXPECT_EQ(table.RowCount(), 12 + 2);

    link.WriteString("Link", "NNum", "$21");
    ASSERT_TRUE(link.Save());
    outcome = Read(kFrom, kTo);
    EXPECT_EQ(outcome.Result.Code, -rrNoAdapter);
    EXPECT_EQ(outcome.Result.Message, "Нет подключения к адаптеру");
    EXPECT_TRUE(outcome.ExchangeError.ends_with(" от адаптера с сетевым номером 21"))
        << outcome.ExchangeError;
}

TEST_F(ControllerFlow, NothingListeningGivesNoLinkOrNoModule) {
    StartSim();
    server->Stop();
    server.reset();
    reading.RepeatsText = "1";
    const ControllerOutcome outcome = Read(kFrom, kTo);
    EXPECT_TRUE(outcome.Result.Code == -rrNoLink || outcome.Result.Code == -rrModuleNotFound)
        << outcome.Result.Code;
    EXPECT_FALSE(outcome.ExchangeError.empty());
    EXPECT_FALSE(records.Loaded);
    EXPECT_EQ(statuses.back(), "");
}

}  // namespace
