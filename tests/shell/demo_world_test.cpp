// The demo world opens as a working configuration: the settings check accepts it.
#include "shell/demo_world.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/files.h"
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

TEST_F(DemoWorldTest, UnwritablePlaceIsReported) {
    const std::string blocker = work_.WriteFile("file", "x");
    DemoWorld world;
    std::string error;
    EXPECT_FALSE(WriteDemoWorld(blocker + "/world", "", world, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
