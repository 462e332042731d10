// The non-visual steps of activation, configuration and exit.
#include "shell/shell_session.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "shell/program_state.h"
#include "shell/shell_fixture.h"
#include "support/zip_maker.h"

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
    ASSERT_TRUE(Shell().AlgorithmList);
    TSpisAlg* library = Shell().AlgorithmList.get();
    RefreshSettings();
    EXPECT_EQ(Shell().AlgorithmList.get(), library);  // made once, kept across activations
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

TEST_F(ShellSessionTest, OversizedEntryIsNamedInAWarningAndTheRestLoads) {
    const std::string zip = work_ / "db.zip";
    ASSERT_TRUE(MakeZipWithPython(zip, {{"ALG/0001.alg", "alg"},
                                        {"MOD/0002.mod", std::string(1024 * 1024, 'm'), {}, 17},
                                        {"TASK/0003.tsk", "tsk"}}));
    ASSERT_TRUE(ConfigDb().Open(0, zip));
    Shell().DbReloadPending = true;
    ScriptedPrompts prompts;
    ScopedPrompts scoped(prompts);

    EXPECT_TRUE(LoadPendingDatabase(true));

    ASSERT_EQ(prompts.History().size(), 1u);
    EXPECT_NE(prompts.History()[0].text.find("0002.mod"), std::string::npos);
    EXPECT_TRUE(ConfigDb().HasFile("0001.alg"));
    EXPECT_FALSE(ConfigDb().HasFile("0002.mod"));
}

TEST_F(ShellSessionTest, ReleaseDestroysTheLibraryAndDatabaseAndEmptiesLast) {
    Shell().LastDir = profile_.MakeDir("Last");
    profile_.WriteFile("Last/x.ini", "x");
    ConfigDb();
    Shell().AlgorithmList = std::make_unique<TSpisAlg>();
    ReleaseProgramObjects();
    EXPECT_FALSE(Shell().AlgorithmList);
    EXPECT_FALSE(ConfigDbExists());
    EXPECT_TRUE(ListDirectory(Shell().LastDir).empty());
}

}  // namespace
