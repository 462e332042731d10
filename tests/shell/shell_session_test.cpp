// The non-visual steps of activation, configuration and exit.
#include "shell/shell_session.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "shell/program_state.h"
#include "shell/shell_fixture.h"

namespace {

using ShellSessionTest = ShellTest;

TEST_F(ShellSessionTest, RefreshMakesAndEmptiesLastAndRereadsTheSettings) {
    Shell().ReportsDir = "stale";
    Shell().ModulesDir = "stale";
    const std::string last = VendorDir() + "/Velorm/Last";
    profile_.WriteFile("Ambrisk/Velorm/Last/left/over.ini", "x");

    EXPECT_FALSE(RefreshSettings());

    EXPECT_EQ(Shell().LastDir, last);
    EXPECT_TRUE(DirectoryExists(last));
    EXPECT_TRUE(ListDirectory(last).empty());
    EXPECT_EQ(Shell().ReportsDir, "");
    EXPECT_EQ(Shell().ModulesDir, "");
}

TEST_F(ShellSessionTest, PendingDatabaseIsLoadedOnceWhileOpen) {
    ASSERT_TRUE(ConfigDb().Open(1, MakeDbDirectory(work_, "db")));
    Shell().DbReloadPending = true;

    EXPECT_FALSE(LoadPendingDatabase(false));
    EXPECT_TRUE(Shell().DbReloadPending);
    EXPECT_EQ(ConfigDb().EntryCount(), 0u);

    EXPECT_TRUE(LoadPendingDatabase(true));
    EXPECT_FALSE(Shell().DbReloadPending);
    EXPECT_EQ(ConfigDb().EntryCount(), 3u);
    EXPECT_FALSE(LoadPendingDatabase(true));
}

TEST_F(ShellSessionTest, ReleaseDestroysTheDatabaseAndEmptiesLast) {
    Shell().LastDir = profile_.MakeDir("Last");
    profile_.WriteFile("Last/x.ini", "x");
    ConfigDb();
    ReleaseProgramObjects();
    EXPECT_FALSE(ConfigDbExists());
    EXPECT_TRUE(ListDirectory(Shell().LastDir).empty());
}

}  // namespace
