// The demo world opens as a working configuration: the settings check accepts it.
#include "shell/demo_world.h"

#include <gtest/gtest.h>

#include "comm/link/configuration.h"
#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/queue/task_cl.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/module_link.h"
#include "reports/report_columns.h"
#include "reports/report_search.h"
#include "reports/report_settings.h"
#include "reports/report_tree.h"
#include "shell/program_state.h"
#include "shell/settings_check.h"
#include "shell/shell_fixture.h"

namespace {

using DemoWorldTest = ShellTest;

TEST_F(DemoWorldTest, SettingsCheckAcceptsTheWrittenWorld) {
    DemoWorld world;
    std::string error;
    ASSERT_TRUE(WriteDemoWorld(work_ / "world", Shell().SettingsFileName, world, error)) << error;

    EXPECT_TRUE(CheckSettings("", ""));
    EXPECT_TRUE(ConfigDb().DbOpened());
    EXPECT_EQ(ConfigDb().DbKind(), 0);
    EXPECT_EQ(Shell().DbPath, world.dbZip);
    EXPECT_EQ(Shell().ReportsDir, world.reportsDir);
    EXPECT_EQ(Shell().ModulesDir, world.modulesDir);
    EXPECT_GT(ConfigDb().DbFileCount(), 0u);
    EXPECT_FALSE(ConfigDb().GetVersion().empty());
}

TEST_F(DemoWorldTest, ReportFormsAndAModuleReadFromTheFlashDirectory) {
    DemoWorld world;
    std::string error;
    ASSERT_TRUE(WriteDemoWorld(work_ / "world", "", world, error)) << error;
    EXPECT_FALSE(ConfigDbExists() && ConfigDb().DbOpened());  // the database object is given back

    Shell().ReportsDir = world.reportsDir;
    ReportTree tree;
    EXPECT_EQ(ListReportDescriptors("", tree, kListWithColumns), 3);
    ASSERT_EQ(tree.Nodes.size(), 2u);
    EXPECT_EQ(tree.Nodes[0].Data.Caption, "Часовая ведомость");
    EXPECT_EQ(tree.Nodes[1].Data.Caption, "Суточная ведомость");
    for (const ReportTreeNode& form : tree.Nodes) {
        for (const ReportTreeNode& part : form.Children)
            EXPECT_TRUE(part.Data.Present) << part.Data.Caption;
        const size_t columns = form.Children[rpColumns].Children.size();
        EXPECT_GE(columns, 3u);
        EXPECT_LE(columns, 6u);
    }

    const DemoReportsWritten& m = world.reports;
    EXPECT_EQ(m.ModuleDir, world.modulesDir + "/07A1_1234");
    std::vector<std::string> link = {m.LinkPath};
    EXPECT_TRUE(IsModuleLinkFile(link, false));
    const IniFile common(m.LinkPath);
    EXPECT_EQ(common.ReadInteger("Common", "VS", -1), 1);
    EXPECT_EQ(common.ReadString("Common", "Zn", ""), "1234");
    EXPECT_EQ(common.ReadString("Common", "WayFlash", ""), world.flashDir);
    TConfiguration configuration;
    configuration.LoadFromFile(m.LinkPath);
    ASSERT_NE(configuration.Link(), nullptr);
    EXPECT_EQ(configuration.Link()->Type, lt232);
    EXPECT_EQ(configuration.Link()->NNum, 1);

    TSpisAlg library;
    const Task_CL queue(0x07A1, world.dbDirectory, "", "", m.QueuePath, &library, false);
    for (uint16_t block : {0x0101, 0x0102, 0x0103, 0x0104})
        EXPECT_GE(queue.FindInQueue(block, 0).Task, 0) << block;
    DestroyConfigDb();

    // Every column of both forms is usable for hourly, daily and monthly reports.
    ASSERT_EQ(m.ModuleReports.size(), m.Descriptors.size());
    for (size_t f = 0; f < m.Descriptors.size(); ++f) {
        EXPECT_TRUE(HasArchiveKinds(m.ModuleReports[f]));
        const IniFile descriptor(m.Descriptors[f]);
        const IniFile module(m.ModuleReports[f]);
        for (int kind = 0; kind < 3; ++kind) {
            ReportRecords r;
            r.RepI.ArchiveKind = kind;
            LoadReportSettings(descriptor, module, r);
            EXPECT_EQ(r.RepO.Header.size(), 3u);
            EXPECT_EQ(r.RepO.Footer.size(), 2u);
            for (int c = 0; c < r.RepO.ColumnCount; ++c) {
                EXPECT_TRUE(LoadColumn(descriptor, module, c, r)) << f << " " << kind << " " << c;
                EXPECT_GT(r.ColO.ArchiveDepth, 0);
            }
        }
    }
}

TEST_F(DemoWorldTest, UnwritablePlaceIsReported) {
    const std::string blocker = work_.WriteFile("file", "x");
    DemoWorld world;
    std::string error;
    EXPECT_FALSE(WriteDemoWorld(blocker + "/world", "", world, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
