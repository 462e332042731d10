// FindFilesRecursive (order, filters, stop flag, time limit, links) and CreateDirectoryPath.
#include "platform/file_search.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "platform/event_pump.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using Paths = std::vector<std::string>;

// Clears the stop flag and the event pump before and after each test.
class FileSearch : public ::testing::Test {
  protected:
    void SetUp() override { SearchAborted = false; }
    void TearDown() override {
        SetEventPump(nullptr);
        SearchAborted = false;
    }
    // The paths relative to the temporary directory, for readable expectations.
    Paths Relative(const Paths& paths) const {
        Paths r;
        for (const auto& p : paths)
            r.push_back(p.substr(dir.Path().size() + 1));
        return r;
    }
    TempDir dir;
};

}  // namespace

TEST_F(FileSearch, BreadthFirstInNameOrderWithExtensionIgnoringCase) {
    dir.WriteFile("b.ini", "");
    dir.WriteFile("a.INI", "");
    dir.WriteFile("c.txt", "");
    dir.WriteFile("z/1.ini", "");
    dir.WriteFile("m/deep/x.ini", "");
    dir.WriteFile("m/2.Ini", "");
    dir.WriteFile("m/noext", "");
    dir.MakeDir("empty");
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), ".INI", false, nullptr)),
              (Paths{"a.INI", "b.ini", "m/2.Ini", "z/1.ini", "m/deep/x.ini"}));
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path() + "/", "", false, nullptr)),
              (Paths{"a.INI", "b.ini", "c.txt", "m/2.Ini", "m/noext", "z/1.ini", "m/deep/x.ini"}));
    EXPECT_FALSE(SearchAborted);
}

TEST_F(FileSearch, MissingDirectoryGivesNothing) {
    EXPECT_TRUE(FindFilesRecursive(dir / "absent", "", false, nullptr).empty());
    EXPECT_TRUE(FindFilesRecursive("", "", false, nullptr).empty());
}

TEST_F(FileSearch, FilterSeesEachDirectoryAndDuplicatesAreDropped) {
    dir.WriteFile("r.ini", "");
    dir.WriteFile("r.txt", "");
    dir.WriteFile("s1/a.ini", "");
    dir.WriteFile("s1/b.txt", "");
    dir.WriteFile("s2/c.ini", "");
    std::vector<Paths> seen;
    auto filter = [&](Paths& files, bool stopAtFirst) {
        EXPECT_FALSE(stopAtFirst);
        seen.push_back(Relative(files));
        std::erase_if(files, [](const std::string& f) { return ExtractFileExt(f) != ".ini"; });
        if (!files.empty())
            files.push_back(files.front());  // a duplicate the search must drop
        return !files.empty();
    };
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), "", false, filter)),
              (Paths{"r.ini", "s1/a.ini", "s2/c.ini"}));
    EXPECT_EQ(seen,
              (std::vector<Paths>{{"r.ini", "r.txt"}, {"s1/a.ini", "s1/b.txt"}, {"s2/c.ini"}}));
}

TEST_F(FileSearch, StopAtFirstEndsAtTheFirstDirectoryWithAMatch) {
    dir.WriteFile("root.txt", "");
    dir.WriteFile("a/none.txt", "");
    dir.WriteFile("b/hit1.ini", "");
    dir.WriteFile("b/hit2.ini", "");
    dir.WriteFile("c/later.ini", "");
    dir.WriteFile("c/x.txt", "");
    dir.WriteFile("a/deeper/later.ini", "");
    Paths visited;
    auto firstIni = [&](Paths& files, bool stopAtFirst) {
        EXPECT_TRUE(stopAtFirst);
        visited.push_back(Relative({ExtractFilePath(files.at(0))}).front());
        std::erase_if(files, [](const std::string& f) { return ExtractFileExt(f) != ".ini"; });
        if (!files.empty() && stopAtFirst)
            SearchAborted = true;
        return !files.empty();
    };
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), "", true, firstIni)),
              (Paths{"b/hit1.ini", "b/hit2.ini"}));
    EXPECT_TRUE(SearchAborted);
    EXPECT_EQ(visited, (Paths{"", "a/", "b/"}));
}

TEST_F(FileSearch, SymlinkedDirectoriesAreNotFollowed) {
    dir.WriteFile("top.ini", "");
    dir.WriteFile("a/in-a.ini", "");
    fs::create_directory_symlink(dir.Path(), dir / "a/loop-to-root");
    fs::create_directory_symlink(dir / "a", dir / "a/loop-to-self");
    fs::create_symlink(dir / "top.ini", dir / "a/file-link.ini");
    fs::create_symlink(dir / "missing.ini", dir / "a/broken.ini");
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), ".ini", false, nullptr)),
              (Paths{"top.ini", "a/file-link.ini", "a/in-a.ini"}));
}

TEST_F(FileSearch, DirectoryThatCannotBeListedIsSkipped) {
    dir.WriteFile("a/1.ini", "");
    dir.WriteFile("b/2.ini", "");
    dir.WriteFile("c/3.ini", "");
    // b disappears after the root was listed, before the walk reaches it.
    auto removeB = [&](Paths& files, bool) {
        RemoveDirectoryTree(dir / "b");
        return !files.empty();
    };
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), "", false, removeB)),
              (Paths{"a/1.ini", "c/3.ini"}));
}

TEST_F(FileSearch, EventsArePumpedAroundEachDirectoryAndTheUserCanStop) {
    for (const char* d : {"d1", "d2", "d3", "d4"})
        dir.WriteFile(std::string(d) + "/f", "");
    int pumped = 0;
    SetEventPump([&] { ++pumped; });
    EXPECT_EQ(FindFilesRecursive(dir.Path(), "", false, nullptr).size(), 4u);
    EXPECT_EQ(pumped, 2 * 5);  // the root and four subdirectories

    // A stop button pressed while the second subdirectory is searched.
    pumped = 0;
    SetEventPump([&] {
        if (++pumped == 5)
            SearchAborted = true;
    });
    EXPECT_EQ(Relative(FindFilesRecursive(dir.Path(), "", false, nullptr)),
              (Paths{"d1/f", "d2/f"}));
}

TEST_F(FileSearch, TimeLimitSetsTheStopFlagAndEndsTheWalk) {
    dir.WriteFile("r", "");
    for (const char* d : {"d1", "d2", "d3"})
        dir.WriteFile(std::string(d) + "/f", "");
    SetEventPump([] { std::this_thread::sleep_for(std::chrono::milliseconds(2)); });
    EXPECT_EQ(
        Relative(FindFilesRecursive(dir.Path(), "", false, nullptr, std::chrono::milliseconds(1))),
        (Paths{"r", "d1/f"}));
    EXPECT_TRUE(SearchAborted);
}

TEST_F(FileSearch, LargeTreeIsListedCompletelyInOrder) {
    Paths expected;
    for (int d = 0; d < 30; ++d) {
        const std::string sub = "dir" + std::to_string(100 + d);
        for (int f = 0; f < 60; ++f) {
            const std::string name = sub + "/f" + std::to_string(1000 + f) + ".dat";
            dir.WriteFile(name, "");
            expected.push_back(name);
        }
        for (int f = 0; f < 40; ++f)
            dir.WriteFile(sub + "/nested/g" + std::to_string(1000 + f) + ".dat", "");
    }
    for (int d = 0; d < 30; ++d)
        for (int f = 0; f < 40; ++f)
            expected.push_back("dir" + std::to_string(100 + d) + "/nested/g" +
                               std::to_string(1000 + f) + ".dat");
    EXPECT_EQ(
        Relative(FindFilesRecursive(dir.Path(), ".DAT", false, nullptr, std::chrono::hours(1))),
        expected);
    EXPECT_FALSE(SearchAborted);
}

TEST(CreateDirectoryPath, CreatesTheMissingPartsAndEmptiesTheMessage) {
    TempDir dir;
    dir.MakeDir("a");
    std::string message = "prefix";
    EXPECT_TRUE(CreateDirectoryPath(dir / "a/b/c", message));
    EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
    EXPECT_EQ(message, "");

    message = "prefix";
    EXPECT_TRUE(CreateDirectoryPath(dir / "a/b/c", message));  // already there
    EXPECT_EQ(message, "");
    EXPECT_TRUE(CreateDirectoryPath(dir / "x//y/", message));
    EXPECT_TRUE(DirectoryExists(dir / "x/y"));
}

TEST(CreateDirectoryPath, RelativePathIsCreatedFromTheWorkingDirectory) {
    TempDir dir;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    std::string message;
    const bool ok = CreateDirectoryPath("r1/r2", message);
    fs::current_path(previous);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(DirectoryExists(dir / "r1/r2"));
}

TEST(CreateDirectoryPath, FailuresAppendTheirMessage) {
    TempDir dir;
    const std::string file = dir.WriteFile("file.txt", "x");
    std::string message = "Ошибка";
    EXPECT_FALSE(CreateDirectoryPath("", message));
    EXPECT_EQ(message, "Ошибка: не указан путь к каталогу");

    message = "";
    EXPECT_FALSE(CreateDirectoryPath(file + "/sub/deeper", message));
    EXPECT_EQ(message, ": невозможно создать каталог \"" + file + "/sub\"");
    EXPECT_FALSE(DirectoryExists(file + "/sub"));

    for (const std::string& path : {file, file + "/"}) {  // a file is not a directory
        message = "M";
        EXPECT_FALSE(CreateDirectoryPath(path, message));
        EXPECT_EQ(message, "M: невозможно создать каталог \"" + file + "\"");
    }
}
