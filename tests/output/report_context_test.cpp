// What the connection page shows for a report: identity, offered archive kinds, the texts of
// a report that cannot be read, the exchange settings, and the source of the reading.
#include <gtest/gtest.h>

#include "output/view/read_source.h"
#include "output/view/report_context.h"
#include "output/view_fixture.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"

namespace {

class ReportContextTest : public DemoModules {
  protected:
    void SetUp() override {
        DemoModules::SetUp();
        records.RepI.ModuleDir = world.reports.ModuleDir;
        records.RepI.ModuleReportPath = ModuleReport(world.reports.ModuleDir, "00000001.ini");
    }
    void SetKinds(int h, int d, int m) {
        IniFile ini(records.RepI.ModuleReportPath);
        ini.WriteInteger(kSecReport, kKeyTypeH, h);
        ini.WriteInteger(kSecReport, kKeyTypeD, d);
        ini.WriteInteger(kSecReport, kKeyTypeM, m);
        ASSERT_TRUE(ini.Save());
    }
    void SetFlashDir(const std::string& path) {
        IniFile ini(world.reports.LinkPath);
        ini.WriteString(kSecCommon, kKeyWayFlash, path);
        ASSERT_TRUE(ini.Save());
    }
    ReportRecords records;
};

TEST_F(ReportContextTest, ShowsTheModuleAndTheReport) {
    const ReportContext c = LoadReportContext(records, -1);
    EXPECT_TRUE(c.HasQueue);
    EXPECT_TRUE(c.CanRead);
    EXPECT_EQ(c.SerialText, "1234");
    EXPECT_EQ(records.RepI.SerialNumber, 0x1234);
    EXPECT_EQ(c.ModuleType, "07A1");
    EXPECT_EQ(records.RepI.ModuleType, "07A1");
    EXPECT_FALSE(c.ControllerName.empty());
    EXPECT_EQ(c.QueueIdText.size(), 11u) << c.QueueIdText;  // "XX XX XX XX"
    EXPECT_EQ(c.ReportName, "Часовая ведомость");
    EXPECT_EQ(c.Error, "");
    EXPECT_EQ(c.Repeats, "3");
    EXPECT_EQ(c.Timeout, "1000");
}

TEST_F(ReportContextTest, OffersTheKindsTheReportAndTheFilesAllow) {
    struct Case {
        int h, d, m;
        bool monthFiles;
        int previous;
        std::array<bool, 3> enabled;
        int kind;
        std::string error;
    } cases[] = {
        {1, 1, 1, true, -1, {true, true, true}, 0, ""},
        {1, 1, 1, true, 2, {true, true, true}, 2, ""},
        {1, 0, 1, true, 1, {true, false, true}, 0, ""},
        {0, 1, 1, false, 2, {false, true, false}, 1, ""},
        {0, 0, 1, false, -1, {false, false, false}, -1, kNoKindFilesText},
        {0, 0, 0, true, 0, {false, false, false}, -1, kNoColumnsText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << c.d << c.m << " " << c.monthFiles);
        SetKinds(c.h, c.d, c.m);
        const std::string monthFile = JoinPath(world.flashDir, "ARC_0001C.MNS");
        const std::string hidden = JoinPath(world.flashDir, "ARC_0001C.old");
        if (!c.monthFiles) {
            ASSERT_EQ(std::rename(monthFile.c_str(), hidden.c_str()), 0);
        }
        const ReportContext got = LoadReportContext(records, c.previous);
        if (!c.monthFiles) {
            ASSERT_EQ(std::rename(hidden.c_str(), monthFile.c_str()), 0);
        }
        EXPECT_EQ(got.KindEnabled, c.enabled);
        EXPECT_EQ(got.Kind, c.kind);
        EXPECT_EQ(got.CanRead, c.kind >= 0);
        EXPECT_EQ(got.Error, c.error);
        if (c.kind >= 0) {
            EXPECT_EQ(records.RepI.ArchiveKind, c.kind);
        }
    }
}

TEST_F(ReportContextTest, WithoutAFlashDirectoryTheReportDecides) {
    SetFlashDir("");
    SetKinds(0, 0, 1);
    const ReportContext c = LoadReportContext(records, -1);
    EXPECT_EQ(c.KindEnabled, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(c.Kind, 2);
}

TEST_F(ReportContextTest, AModuleWithoutTaskQueue) {
    ASSERT_TRUE(DeleteFileAt(world.reports.QueuePath));
    const ReportContext c = LoadReportContext(records, 0);
    EXPECT_FALSE(c.HasQueue);
    EXPECT_FALSE(c.CanRead);
    EXPECT_EQ(c.Error, kNoQueueText);
    EXPECT_EQ(c.Repeats, "3");  // the link file is still read
}

TEST_F(ReportContextTest, ExchangeSettingsDefaults) {
    IniFile link(world.reports.LinkPath);
    link.EraseSection("Link");
    ASSERT_TRUE(link.Save());
    const ReportContext c = LoadReportContext(records, 0);
    EXPECT_EQ(c.Repeats, "2");
    EXPECT_EQ(c.Timeout, "1");
}

TEST_F(ReportContextTest, SourceOfTheReading) {
    struct Case {
        const char* vs;  // nullptr: key absent
        ReadSource source;
    } cases[] = {{"1", rsFlash}, {"0", rsController}, {nullptr, rsNotSet}, {"7", rsNotSet}};
    for (const Case& c : cases) {
        IniFile link(world.reports.LinkPath);
        if (c.vs)
            link.WriteString(kSecCommon, kKeyVS, c.vs);
        else
            link.DeleteKey(kSecCommon, kKeyVS);
        ASSERT_TRUE(link.Save());
        EXPECT_EQ(ReadSourceOf(world.reports.ModuleDir), c.source) << (c.vs ? c.vs : "absent");
    }
    EXPECT_EQ(ReadSourceError(rsNotSet), "Связь не настроена");
    ASSERT_TRUE(DeleteFileAt(world.reports.LinkPath));
    EXPECT_EQ(ReadSourceOf(world.reports.ModuleDir), rsNoModule);
    EXPECT_EQ(ReadSourceError(rsNoModule), "Модуль не найден");
}

}  // namespace
