// The flash reading flow over the demo world: the table it builds and its result codes.
#include <gtest/gtest.h>

#include "output/reading/read_from_flash.h"
#include "output/table/result_codes.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "shell/demo_world.h"
#include "support/temp_dir.h"

namespace {

class FlashReading : public ::testing::Test {
  protected:
    void SetUp() override {
        CurrentFormatSettings() = FormatSettings{};
        std::string error;
        ASSERT_TRUE(WriteDemoWorld(dir.Path(), "", world, error)) << error;
        const std::string& hourly = world.reports.ModuleReports.front();
        records.RepI.ModuleDir = world.reports.ModuleDir;
        records.RepI.ModuleReportPath = hourly;
        records.RepI.DescriptorPath = JoinPath(world.reportsDir, ExtractFileName(hourly));
        records.RepI.ArchiveKind = 0;
    }
    ReadingResult Read(TDateTime from, TDateTime to) {
        return ReadFromFlash(table, records, from, to, [this](int p) { percents.push_back(p); });
    }
    TempDir dir;
    DemoWorld world;
    ReportRecords records;
    ReportTable table;
    std::vector<int> percents;
};

TEST_F(FlashReading, BuildsTheHourlyTable) {
    const ReadingResult r =
        Read(EncodeDateTime(2024, 3, 10, 0, 30, 0), EncodeDateTime(2024, 3, 11, 0, 0, 0));
    ASSERT_EQ(r.Code, 0) << r.Message;
    EXPECT_TRUE(records.Loaded);
    ASSERT_EQ(table.RowCount(), 24 + 2);
    EXPECT_EQ(table.Columns.size(), 4u);  // the date and the three columns of the form
    EXPECT_EQ(table.Cell(0, 1), "10.03.24   00:00");
    int numbers = 0;
    for (size_t c = 1; c < table.Columns.size(); ++c)
        for (int row = 1; row <= table.Periods; ++row)
            numbers += table.Cell(static_cast<int>(c), row).find(',') != std::string::npos;
    EXPECT_GT(numbers, 60);
    EXPECT_FALSE(table.Cell(1, table.SummaryRow()).empty());
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}

TEST_F(FlashReading, AbsurdArchiveDepthLeavesTheColumnOut) {
    IniFile module(records.RepI.ModuleReportPath);
    const std::string section = module.ReadSections().back();
    module.WriteInteger(section, std::string(kKeyMaxIndex) + "H", 1'000'000'000);
    ASSERT_TRUE(module.Save());
    const ReadingResult r =
        Read(EncodeDateTime(2024, 3, 10, 0, 0, 0), EncodeDateTime(2024, 3, 10, 5, 0, 0));
    ASSERT_EQ(r.Code, 0) << r.Message;
    EXPECT_EQ(table.Columns.size(), 3u);
}

TEST_F(FlashReading, RefusesWhatItCannotRead) {
    const TDateTime day = EncodeDateTime(2024, 3, 10, 0, 0, 0);
    EXPECT_EQ(Read(day, day).Code, rrBadPeriod);
    EXPECT_EQ(Read(day, day + 3000.0 / 24).Code, rrTooManyRows);

    const ReadingResult old =
        Read(EncodeDateTime(2020, 1, 1, 0, 0, 0), EncodeDateTime(2020, 1, 2, 0, 0, 0));
    EXPECT_EQ(old.Code, rrNoArchives);
    EXPECT_NE(old.Message.find("\r\nДоступны архивы с "), std::string::npos) << old.Message;

    const std::string link = world.reports.LinkPath;
    IniFile ini(link);
    ini.WriteString(kSecCommon, kKeyWayFlash, dir / "gone");
    ASSERT_TRUE(ini.Save());
    const ReadingResult noFlash = Read(day, day + 1);
    EXPECT_EQ(noFlash.Code, rrNoFlash);
    EXPECT_EQ(noFlash.Message, "Флешка не подключена");

    ASSERT_TRUE(DeleteFileAt(world.reports.QueuePath));
    EXPECT_EQ(Read(day, day + 1).Code, rrNoModule);
}

}  // namespace
