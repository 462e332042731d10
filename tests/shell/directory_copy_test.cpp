// Copying a report-forms or modules directory elsewhere.
#include "shell/directory_copy.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

class DirectoryCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        from_ = dir_.MakeDir("from");
        dir_.WriteFile("from/00000001.ini", "one");
        dir_.WriteFile("from/sub/00000002.ini", "two");
        dir_.WriteFile("from/sub/deeper/00000003.ini", "three");
        to_ = dir_.MakeDir("to");
    }
    std::string Text(const std::string& path) {
        auto bytes = ReadWholeFile(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
    }
    TempDir dir_;
    std::string from_, to_;
};

TEST_F(DirectoryCopy, FlattenedCopyPutsEveryFileIntoTheTarget) {
    const auto files = ListFilesToCopy(from_);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_TRUE(CopyFilesTo(files, from_, to_, true));
    EXPECT_EQ(Text(to_ + "/00000001.ini"), "one");
    EXPECT_EQ(Text(to_ + "/00000002.ini"), "two");
    EXPECT_EQ(Text(to_ + "/00000003.ini"), "three");
    EXPECT_EQ(ListDirectory(to_).size(), 3u);
}

TEST_F(DirectoryCopy, TreeCopyKeepsRelativePathsAndOverwrites) {
    dir_.WriteFile("to/sub/00000002.ini", "old");
    EXPECT_TRUE(CopyFilesTo(ListFilesToCopy(from_), from_, to_, false));
    EXPECT_EQ(Text(to_ + "/00000001.ini"), "one");
    EXPECT_EQ(Text(to_ + "/sub/00000002.ini"), "two");
    EXPECT_EQ(Text(to_ + "/sub/deeper/00000003.ini"), "three");
}

TEST_F(DirectoryCopy, CopyOntoItselfKeepsTheFiles) {
    EXPECT_TRUE(CopyFilesTo(ListFilesToCopy(from_), from_, from_, false));
    EXPECT_EQ(Text(from_ + "/sub/deeper/00000003.ini"), "three");
}

TEST_F(DirectoryCopy, FailedCopiesAreReportedAndTheRestIsCopied) {
    dir_.WriteFile("to/sub", "a file where a directory is needed");
    EXPECT_FALSE(CopyFilesTo(ListFilesToCopy(from_), from_, to_, false));
    EXPECT_EQ(Text(to_ + "/00000001.ini"), "one");
    EXPECT_TRUE(ListFilesToCopy(dir_ / "empty").empty());
}

}  // namespace
