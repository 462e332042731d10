// Module directory names, preparing a module's files, and refusing names that leave ModulesDir.
#include "reports/module_dirs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports_fixture.h"
#include "shell/program_state.h"

namespace {

using ModuleDirs = ReportsTest;

TEST_F(ModuleDirs, NamesAreTrimmedAndJoined) {
    EXPECT_EQ(ModuleDirName(" 1234 ", " 07A1"), modulesDir_ + "/07A1_1234");
    Shell().ModulesDir.clear();
    EXPECT_EQ(ModuleDirName("1234", "07A1"), "");
}

TEST_F(ModuleDirs, UnsafeNamesAreRefusedAndTouchNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"../../x", "07A1"}, {"..", "07A1"},   {"a/b", "07A1"},  {"a\\b", "07A1"},
        {"C:x", "07A1"},     {"a\nb", "07A1"}, {"a\tb", "07A1"}, {"1234", "../07A1"},
        {"1234", "/tmp"},    {"", "07A1"},     {"1234", "  "},
    };
    for (const auto& [name, hex] : cases) {
        prompts_.ClearHistory();
        EXPECT_EQ(ModuleDirName(name, hex), "") << name << " " << hex;
        std::string path = "unchanged";
        EXPECT_FALSE(PrepareModuleFiles(name, hex, path, true, true)) << name << " " << hex;
        EXPECT_EQ(path, "unchanged");
        ASSERT_EQ(prompts_.History().size(), 1u) << name;
        EXPECT_NE(prompts_.History()[0].text.find("Недопустимое имя"), std::string::npos);
        RemoveEmptyModuleDir(name, hex);
    }
    EXPECT_EQ(Tree(work_.Path()), std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::is_directory(modulesDir_));
    EXPECT_TRUE(std::filesystem::is_empty(modulesDir_));
}

TEST_F(ModuleDirs, PrepareCreatesTheDirectoryAndAsksBeforeReplacing) {
    std::string path;
    ASSERT_TRUE(PrepareModuleFiles("1234", "07A1", path, true, true));
    EXPECT_EQ(path, modulesDir_ + "/07A1_1234/07A1_1234.tsk");
    EXPECT_TRUE(std::filesystem::is_directory(modulesDir_ + "/07A1_1234"));
    EXPECT_TRUE(prompts_.History().empty());

    work_.WriteFile("Modules/07A1_1234/07A1_1234.tsk", "q");
    prompts_.PushAnswer(PromptAnswer::No);
    prompts_.PushAnswer(PromptAnswer::Yes);
    EXPECT_FALSE(PrepareModuleFiles("1234", "07A1", path, true, true));
    EXPECT_TRUE(PrepareModuleFiles("1234", "07A1", path, true, false));
    EXPECT_EQ(path, "07A1_1234");
    ASSERT_EQ(prompts_.History().size(), 2u);
    EXPECT_EQ(prompts_.History()[0].text,
              "Файл " + modulesDir_ + "/07A1_1234/07A1_1234.tsk существует\rЗаменить ?");
    EXPECT_TRUE(PrepareModuleFiles("1234", "07A1", path, false, true));
    EXPECT_EQ(prompts_.History().size(), 2u);
}

TEST_F(ModuleDirs, DirectoryThatCannotBeMadeIsShown) {
    work_.WriteFile("Modules/07A1_1234", "a file in the way");
    std::string path;
    EXPECT_FALSE(PrepareModuleFiles("1234", "07A1", path, true, true));
    ASSERT_EQ(prompts_.History().size(), 1u);
    EXPECT_NE(prompts_.History()[0].text.find(": невозможно создать каталог"), std::string::npos);
}

TEST_F(ModuleDirs, OnlyDirectoriesWithoutFilesAreRemoved) {
    work_.MakeDir("Modules/07A1_0001/Reports");
    work_.WriteFile("Modules/07A1_0002/Reports/00000001.ini", "[Report]\n");
    RemoveEmptyModuleDir("0001", "07A1");
    RemoveEmptyModuleDir("0002", "07A1");
    EXPECT_FALSE(std::filesystem::exists(modulesDir_ + "/07A1_0001"));
    EXPECT_TRUE(std::filesystem::exists(modulesDir_ + "/07A1_0002/Reports/00000001.ini"));
}

}  // namespace
