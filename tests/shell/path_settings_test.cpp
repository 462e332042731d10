// Saving the path dialog's choices.
#include "shell/path_settings.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "shell/program_state.h"
#include "shell/shell_fixture.h"

namespace {

TEST(ReloadPendingAfterSave, OnlyANewOrPartlyLoadedDatabaseNeedsLoading) {
    struct Case {
        bool pending, opened;
        const char *requested, *saved;
        size_t entries, files;
        bool expected;
    } cases[] = {
        {false, true, "/db", "/db", 3, 3, false},  // same database, fully loaded
        {true, true, "/db", "/db", 3, 3, true},    // a pending load is kept
        {false, true, "/db", "/db", 0, 3, true},   // same database, not loaded yet
        {false, true, "/new", "/db", 3, 3, true},  // another database
        {false, false, "/new", "/db", 0, 3, false}, {true, false, "/db", "/db", 0, 3, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            ReloadPendingAfterSave(c.pending, c.opened, c.requested, c.saved, c.entries, c.files),
            c.expected)
            << c.requested << " " << c.entries << "/" << c.files;
}

class SavePathSettingsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        db_ = MakeDbDirectory(work_, "db");
    }
    std::string db_;
};

TEST_F(SavePathSettingsTest, CreatesMissingDirectoriesAndWritesTheKeysInOrder) {
    WriteSettings("[Options]\nTreeViewType=1\n[Common]\nWayFast=/fast\n");
    ASSERT_TRUE(ConfigDb().Open(1, db_));
    const std::string reports = work_ / "new/reports";
    const std::string modules = work_ / "new/deeper/modules";

    EXPECT_EQ(SavePathSettings(reports, modules, db_), pssSaved);

    EXPECT_TRUE(DirectoryExists(reports));
    EXPECT_TRUE(DirectoryExists(modules));
    EXPECT_EQ(Shell().DbPath, db_);
    EXPECT_EQ(Shell().ReportsDir, reports);
    EXPECT_EQ(Shell().ModulesDir, modules);
    IniFile ini(Shell().SettingsFileName);
    EXPECT_EQ(
        ini.ReadSection("Common"),
        (std::vector<std::string>{"WayFast", "WayBD", "BDZemratype", "WayReports", "WayModuls"}));
    EXPECT_EQ(ini.ReadString("Common", "WayBD", ""), db_);
    EXPECT_EQ(ini.ReadString("Common", "BDZemratype", ""), "1");
    EXPECT_EQ(ini.ReadString("Options", "TreeViewType", ""), "1");
}

TEST_F(SavePathSettingsTest, FailuresStoreNothing) {
    const std::string blocker = work_.WriteFile("blocker", "a file, not a directory");
    const std::string good = work_.MakeDir("good");
    ASSERT_TRUE(ConfigDb().Open(1, db_));
    Shell().ReportsDir = "old-reports";

    EXPECT_EQ(SavePathSettings(blocker + "/reports", good, db_), pssReportsDirFailed);
    EXPECT_EQ(SavePathSettings(good, blocker + "/modules", db_), pssModulesDirFailed);
    EXPECT_EQ(SavePathSettings("", good, db_), pssReportsDirFailed);

    ConfigDb().Open(1, work_ / "no-db");
    EXPECT_EQ(SavePathSettings(good, good, db_), pssDbClosed);

    EXPECT_EQ(Shell().ReportsDir, "old-reports");
    EXPECT_FALSE(FileExists(Shell().SettingsFileName));
}

TEST_F(SavePathSettingsTest, SameFullyLoadedDatabaseKeepsThePendingFlag) {
    const std::string dir = work_.MakeDir("dirs");
    ASSERT_TRUE(ConfigDb().Open(1, db_));
    ConfigDb().Reload();
    ASSERT_EQ(ConfigDb().EntryCount(), ConfigDb().DbFileCount());
    Shell().DbReloadPending = false;
    EXPECT_EQ(SavePathSettings(dir, dir, db_), pssSaved);
    EXPECT_FALSE(Shell().DbReloadPending);

    const std::string other = MakeDbDirectory(work_, "other");
    ASSERT_TRUE(ConfigDb().Open(1, other));
    EXPECT_EQ(SavePathSettings(dir, dir, db_), pssSaved);
    EXPECT_TRUE(Shell().DbReloadPending);
    EXPECT_EQ(Shell().DbPath, other);
}

}  // namespace
