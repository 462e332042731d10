// Emptying the scratch directory.
#include "shell/last_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "shell/program_state.h"
#include "support/temp_dir.h"

namespace {

TEST(ClearLastDir, EmptiesTheTreeButKeepsTheDirectoryAndLinkTargets) {
    TempDir dir;
    const std::string last = dir.MakeDir("Last");
    dir.WriteFile("Last/00000001.ini", "[Report]\n");
    dir.WriteFile("Last/0001_1234/Reports/00000002.ini", "x");
    const std::string outside = dir.WriteFile("outside/keep.txt", "keep");
    std::filesystem::create_directory_symlink(dir / "outside", last + "/link");

    Shell().LastDir = last;
    EXPECT_TRUE(ClearLastDir());

    EXPECT_TRUE(DirectoryExists(last));
    EXPECT_TRUE(ListDirectory(last).empty());
    EXPECT_TRUE(FileExists(outside));
}

TEST(ClearLastDir, EmptyOrMissingDirectoryIsLeftAlone) {
    TempDir dir;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    dir.WriteFile("survivor.txt", "x");

    Shell().LastDir = "";
    EXPECT_TRUE(ClearLastDir());
    Shell().LastDir = dir / "missing";
    EXPECT_TRUE(ClearLastDir());

    std::filesystem::current_path(cwd);
    EXPECT_TRUE(FileExists(dir / "survivor.txt"));
}

}  // namespace
