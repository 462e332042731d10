// The settings check: defaults, database kinds, the first write of the settings file.
#include "shell/settings_check.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "shell/program_state.h"
#include "shell/shell_fixture.h"

namespace {

using CheckSettingsTest = ShellTest;

TEST_F(CheckSettingsTest, FirstStartOnCleanProfileFailsAndWritesNothing) {
    Shell().DbPath = "kept";
    EXPECT_FALSE(CheckSettings("", ""));

    EXPECT_EQ(Shell().ReportsDir, "");
    EXPECT_EQ(Shell().ModulesDir, "");
    EXPECT_EQ(Shell().FlashDiskDir, "");
    EXPECT_EQ(Shell().QuickSaveDir, "");
    EXPECT_EQ(Shell().DbPath, "kept");
    EXPECT_TRUE(DirectoryExists(VendorDir()));
    EXPECT_FALSE(FileExists(Shell().SettingsFileName));
    EXPECT_EQ(ConfigDb().RequestedPath(), VendorDir() + "/BD-Zemra.zip");
    EXPECT_EQ(ConfigDb().DbKind(), 0);
    EXPECT_FALSE(ConfigDb().DbOpened());
}

TEST_F(CheckSettingsTest, DirectoryDatabaseAndExistingFileIsNotRewritten) {
    const std::string db = MakeDbDirectory(work_, "db");
    const std::string reports = work_.MakeDir("reports");
    const std::string modules = work_.MakeDir("modules");
    const std::string text = "[Common]\nWayBD=" + db + "\nBDZemratype=1\nWayReports=" + reports +
                             "\nWayModuls=" + modules + "\nWayFast=/fast\n";
    WriteSettings(text);

    EXPECT_TRUE(CheckSettings("", ""));
    EXPECT_TRUE(ConfigDb().DbOpened());
    EXPECT_EQ(ConfigDb().DbKind(), 1);
    EXPECT_EQ(Shell().DbPath, db);
    EXPECT_EQ(Shell().ReportsDir, reports);
    EXPECT_EQ(Shell().ModulesDir, modules);
    EXPECT_EQ(Shell().QuickSaveDir, "/fast");
    // The file existed, so the missing WayUSBFlash is not added.
    auto stored = ReadWholeFile(Shell().SettingsFileName);
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::string(stored->begin(), stored->end()), text);
}

TEST_F(CheckSettingsTest, KindIsIgnoredWithoutStoredDatabasePath) {
    WriteSettings("[Common]\nBDZemratype=1\n");
    EXPECT_FALSE(CheckSettings("", ""));
    EXPECT_EQ(ConfigDb().RequestedPath(), VendorDir() + "/BD-Zemra.zip");
    EXPECT_EQ(ConfigDb().DbKind(), 0);
}

TEST_F(CheckSettingsTest, FirstSuccessWritesFourKeysInOrder) {
    MakeDbZip(work_, VendorDir() + "/BD-Zemra.zip");
    const std::string reports = work_.MakeDir("reports");
    const std::string modules = work_.MakeDir("modules");

    ASSERT_TRUE(CheckSettings(reports, modules));

    IniFile ini(Shell().SettingsFileName);
    ASSERT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"Common"});
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ini.ReadSectionValues("Common"), (Pairs{{"WayBD", VendorDir() + "/BD-Zemra.zip"},
                                                      {"WayReports", reports},
                                                      {"WayModuls", modules},
                                                      {"WayUSBFlash", ""}}));
    EXPECT_EQ(Shell().DbPath, VendorDir() + "/BD-Zemra.zip");
}

TEST_F(CheckSettingsTest, VanishedDirectoryFallsBackToEmptyDefault) {
    const std::string db = MakeDbDirectory(work_, "db");
    const std::string modules = work_.MakeDir("modules");
    WriteSettings("[Common]\nWayBD=" + db + "\nBDZemratype=1\nWayReports=" + work_ / "gone" +
                  "\nWayModuls=" + modules + "\n");

    EXPECT_FALSE(CheckSettings("", ""));
    EXPECT_EQ(Shell().ReportsDir, "");
    EXPECT_EQ(Shell().ModulesDir, modules);
    EXPECT_EQ(Shell().DbPath, db);
}

TEST_F(CheckSettingsTest, AnsiStoredDirectoryIsTakenInUtf8Form) {
    const std::string db = MakeDbDirectory(work_, "db");
    const std::string reports = work_.MakeDir("Отчеты");
    const std::string modules = work_.MakeDir("modules");
    WriteSettings("[Common]\nWayBD=" + db + "\nBDZemratype=1\nWayReports=" + Utf8ToSys(reports) +
                  "\nWayModuls=" + modules + "\n");

    EXPECT_TRUE(CheckSettings("", ""));
    EXPECT_EQ(Shell().ReportsDir, reports);
}

}  // namespace
