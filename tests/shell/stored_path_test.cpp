// Stored paths: the fallback to the ANSI form and the directory defaults.
#include "shell/stored_path.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace {

TEST(NormalizeStoredPath, FallsBackToTheUtf8FormOnlyForTheMatchingKind) {
    TempDir dir;
    const std::string utf8Dir = dir.MakeDir("Модули");
    const std::string utf8File = dir.WriteFile("БД.zip", "PK");
    const std::string ansiDir = Utf8ToSys(utf8Dir);
    const std::string ansiFile = Utf8ToSys(utf8File);
    const std::string ascii = dir / "missing";
    struct Case {
        int kind;
        std::string path;
        std::string expected;
    } cases[] = {
        {1, ansiDir, utf8Dir}, {0, ansiFile, utf8File}, {1, ansiFile, ansiFile},
        {0, ansiDir, ansiDir}, {2, ansiDir, ansiDir},   {1, utf8Dir, utf8Dir},
        {1, ascii, ascii},     {0, ascii, ascii},       {1, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeStoredPath(c.kind, c.path), c.expected)
            << "kind " << c.kind << " path " << c.path;
}

TEST(CheckDirOrDefault, KeepsExistingDirectoryElseTakesTheDefault) {
    TempDir dir;
    const std::string existing = dir.MakeDir("a");
    const std::string fallback = dir.MakeDir("b");
    const std::string file = dir.WriteFile("f.txt", "x");

    std::string var = existing;
    EXPECT_TRUE(CheckDirOrDefault(var, fallback));
    EXPECT_EQ(var, existing);

    var = dir / "gone";
    EXPECT_TRUE(CheckDirOrDefault(var, fallback));
    EXPECT_EQ(var, fallback);

    var = file;
    EXPECT_FALSE(CheckDirOrDefault(var, ""));
    EXPECT_EQ(var, "");

    var = "";
    EXPECT_FALSE(CheckDirOrDefault(var, dir / "also-gone"));
    EXPECT_EQ(var, dir / "also-gone");

    var = Utf8ToSys(dir.MakeDir("Каталог"));
    EXPECT_TRUE(CheckDirOrDefault(var, ""));
    EXPECT_EQ(var, dir / "Каталог");
}

}  // namespace
