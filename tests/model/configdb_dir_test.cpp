// The configuration database kept as a directory: opening, detection, streams, loading.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/configdb/tree_walk.h"
#include "model/configdb_fixture.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

class DirDb : public ::testing::Test {
  protected:
    TempDir tmp;
    tKesh_BDZemra_forBDD7 db;
};

}  // namespace

TEST_F(DirDb, FindsDatabaseInGrandchildWithoutLoadingIt) {
    std::string root = WriteTree(tmp, "top/a/b", SmallDbFiles());
    tmp.MakeDir("top/other/ALG");
    std::string error = "old";
    ASSERT_TRUE(db.Open(1, tmp / "top", &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(db.DbKind(), 1);
    EXPECT_EQ(db.DbPath(), root);
    EXPECT_EQ(db.RequestedPath(), tmp / "top");
    EXPECT_EQ(db.DbFileCount(), 5u);
    EXPECT_EQ(db.GetVersion(), "2.14\r\n");  // the line break is kept
    EXPECT_EQ(db.EntryCount(), 0u);
    EXPECT_FALSE(db.DbLoaded());
}

TEST_F(DirDb, MissingDirectoryAndTreeWithoutDatabaseStayClosed) {
    std::string error;
    EXPECT_FALSE(db.Open(1, tmp / "nowhere", &error));
    EXPECT_EQ(error, "Не найден каталог BD-Zemra");

    tmp.MakeDir("partial/ALG");
    tmp.MakeDir("partial/MOD");
    tmp.WriteFile("partial/task", "a file, not a directory");
    EXPECT_FALSE(db.Open(1, tmp / "partial", &error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(db.DbOpened());
    EXPECT_EQ(db.DbFileCount(), 0u);

    // An unknown kind changes nothing.
    EXPECT_FALSE(db.Open(2, tmp / "x", &error));
    EXPECT_EQ(db.RequestedPath(), tmp / "partial");
}

TEST_F(DirDb, GetStreamFindsByFileNameInAnyCaseAndCachesIt) {
    WriteTree(tmp, "db", SmallDbFiles());
    ASSERT_TRUE(db.Open(1, tmp / "db"));

    MemoryStream* s = db.GetStream("01A4.ALG");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(StreamText(s), "algorithm 01A4");
    EXPECT_EQ(db.EntryCount(), 1u);
    EXPECT_EQ(db.FindEntry("c:\\somewhere\\01A4.alg"), "ALG/01a4.alg");

    // Cached: the same stream, back at its start, whatever directory the name carries.
    EXPECT_EQ(db.GetStream(tmp / "db/MOD/01a4.alg"), s);
    EXPECT_EQ(s->Position(), 0u);
    EXPECT_EQ(db.EntryCount(), 1u);

    EXPECT_EQ(StreamText(db.GetStream("0003.tsk")), "nested task queue 0003");
    EXPECT_EQ(db.GetStream("ffff.alg"), nullptr);
    EXPECT_TRUE(db.HasFile("07a1.MOD"));
    EXPECT_FALSE(db.HasFile("0000.mod"));
    EXPECT_EQ(db.FindEntry("0000.mod"), "0000.mod");
}

TEST_F(DirDb, ListKindLoadsTheWholeDatabaseOnce) {
    WriteTree(tmp, "db", SmallDbFiles());
    ASSERT_TRUE(db.Open(1, tmp / "db"));
    MemoryStream* early = db.GetStream("07a1.mod");
    ASSERT_NE(early, nullptr);
    db.GetStream("version.txt");  // a cached non-database file must not pass for a load

    EXPECT_EQ(db.ListKind(dfkAlgorithm), (Names{"ALG/0002.alg", "ALG/01a4.alg"}));
    EXPECT_TRUE(db.DbLoaded());
    EXPECT_EQ(db.EntryCount(), 5u);
    EXPECT_EQ(db.DbFileCount(), 5u);
    EXPECT_EQ(db.ListKind(dfkModule), (Names{"MOD/07A1.mod"}));
    EXPECT_EQ(db.ListKind(dfkTaskQueue), (Names{"TASK/07a1.tsk", "TASK/old/0003.tsk"}));
    EXPECT_TRUE(db.ListKind(7).empty());

    // Served from memory now: deleting the files changes nothing.
    fs::remove_all(tmp / "db/ALG");
    EXPECT_EQ(db.ListKind(dfkAlgorithm).size(), 2u);
    EXPECT_EQ(StreamText(db.GetStream("0002.ALG")), "algorithm 0002");
}

TEST_F(DirDb, ReopeningTheLoadedDatabaseKeepsItsContents) {
    WriteTree(tmp, "db", SmallDbFiles());
    WriteTree(tmp, "other", SmallDbFiles());
    ASSERT_TRUE(db.Open(1, tmp / "db"));
    db.ListKind(dfkAlgorithm);
    ASSERT_TRUE(db.DbLoaded());

    // The same place again (given as its parent, detected to the same root): nothing reloads.
    ASSERT_TRUE(db.Open(1, tmp.Path()));
    EXPECT_EQ(db.DbPath(), tmp / "db");
    EXPECT_TRUE(db.DbLoaded());
    EXPECT_EQ(db.EntryCount(), db.DbFileCount());

    // Another database, or the same one only partly loaded, starts empty.
    ASSERT_TRUE(db.Open(1, tmp / "other"));
    EXPECT_FALSE(db.DbLoaded());
    EXPECT_EQ(db.EntryCount(), 0u);
    db.GetStream("07a1.mod");
    ASSERT_TRUE(db.Open(1, tmp / "other"));
    EXPECT_EQ(db.EntryCount(), 0u);
}

TEST_F(DirDb, ListKindOfClosedDatabaseIsEmpty) {
    EXPECT_TRUE(db.ListKind(dfkAlgorithm).empty());
    EXPECT_EQ(db.GetStream("0001.alg"), nullptr);
    EXPECT_FALSE(db.Reload());
}

TEST_F(DirDb, LoadFilesLoadsAllNamesOrNothing) {
    WriteTree(tmp, "db", SmallDbFiles());
    tmp.WriteFile("outside/ALG/0009.alg", "outside the database");
    ASSERT_TRUE(db.Open(1, tmp / "db"));

    EXPECT_TRUE(db.LoadFiles({"0002.alg", "07A1.mod"}));
    EXPECT_EQ(db.EntryCount(), 2u);
    EXPECT_EQ(db.FindEntry("07a1.mod"), "MOD/07A1.mod");

    EXPECT_FALSE(db.LoadFiles({"0002.alg", "ffff.alg"}));
    EXPECT_EQ(db.EntryCount(), 0u);
    EXPECT_FALSE(db.LoadFiles({"../outside/ALG/0009.alg"}));
    EXPECT_FALSE(db.LoadFiles({tmp / "outside/ALG/0009.alg"}));
    EXPECT_EQ(db.EntryCount(), 0u);
}

TEST_F(DirDb, MissingNamesReportsNamesTheDatabaseLacks) {
    WriteTree(tmp, "db", SmallDbFiles());
    ASSERT_TRUE(db.Open(1, tmp / "db"));
    Names missing{"earlier"};
    db.MissingNames({"01A4.ALG", "FFFF.ALG", "0002.ALG", "0001.ALG"}, missing);
    EXPECT_EQ(missing, (Names{"earlier", "FFFF.ALG", "0001.ALG"}));
    EXPECT_TRUE(db.DbLoaded());
}

TEST_F(DirDb, OpenFromFileTriesFiveParentsAtMost) {
    std::string root = WriteTree(tmp, "db", SmallDbFiles());
    std::string five = tmp.WriteFile("db/1/2/3/4/5/0001.mod", "");
    std::string six = tmp.WriteFile("db/1/2/3/4/5/6/0001.mod", "");
    std::string report = tmp.WriteFile("db/1/report.ini", "");

    EXPECT_FALSE(db.OpenFromFile(six));
    EXPECT_FALSE(db.OpenFromFile(report));
    EXPECT_TRUE(db.OpenFromFile(five));
    EXPECT_EQ(db.DbPath(), root);
}

TEST_F(DirDb, OpenPathWithoutZipBesideItOpensTheDirectory) {
    WriteTree(tmp, "db", SmallDbFiles());
    ASSERT_TRUE(db.OpenPath(tmp / "db"));
    EXPECT_EQ(db.DbKind(), 1);
}

TEST_F(DirDb, DbFileNamesAndWritability) {
    std::string root = WriteTree(tmp, "db", SmallDbFiles());
    ASSERT_TRUE(db.Open(1, root));
    struct Case {
        std::string name;
        bool dbFileName;
    } names[] = {
        {"07A1", true},
        {"07A1.tsk", true},
        {"07A1_0001.tsk", false},
        {root + "/TASK/07A1.tsk", true},
        {tmp / "modules/07A1.tsk", false},  // absolute and not inside the database
    };
    for (const Case& c : names)
        EXPECT_EQ(db.IsDbFileName(c.name), c.dbFileName) << c.name;

    // An open directory database may be written into.
    EXPECT_TRUE(db.IsWritable(root + "/TASK/07A1.tsk"));

    // A closed one may not, under the path that was asked for.
    ASSERT_FALSE(db.Open(1, tmp / "gone"));
    EXPECT_FALSE(db.IsWritable(tmp / "gone/TASK/07A1.tsk"));
    EXPECT_TRUE(db.IsWritable(tmp / "gone/TASK/07A1_0001.tsk"));
    EXPECT_TRUE(db.IsWritable(root + "/TASK/07A1.tsk"));
}

TEST_F(DirDb, ResolveNameAndBaseName) {
    EXPECT_EQ(tKesh_BDZemra_forBDD7::ResolveName("01A4", dfkAlgorithm), "01A4.alg");
    EXPECT_EQ(tKesh_BDZemra_forBDD7::ResolveName("dir/07A1", dfkTaskQueue), "dir/07A1.tsk");
    EXPECT_EQ(tKesh_BDZemra_forBDD7::ResolveName("07A1.MOD", dfkModule), "07A1.MOD");
    EXPECT_EQ(tKesh_BDZemra_forBDD7::BaseName("/x/y.z/07A1.mod"), "07A1");
}

TEST_F(DirDb, OpenFileStreamReadsAnyExistingFile) {
    auto s = tKesh_BDZemra_forBDD7::OpenFileStream(tmp.WriteFile("m/07A1_0001.tsk", "saved"));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(StreamText(s.get()), "saved");
    EXPECT_EQ(tKesh_BDZemra_forBDD7::OpenFileStream(tmp / "m/none.tsk"), nullptr);
    EXPECT_EQ(tKesh_BDZemra_forBDD7::OpenFileStream(tmp / "m"), nullptr);
}

TEST(ConfigDbInstance, MadeOnFirstUseAndDestroyed) {
    DestroyConfigDb();
    EXPECT_FALSE(ConfigDbExists());
    tKesh_BDZemra_forBDD7& db = ConfigDb();
    EXPECT_TRUE(ConfigDbExists());
    EXPECT_FALSE(db.DbOpened());
    EXPECT_EQ(db.DbKind(), 1);
    EXPECT_EQ(&ConfigDb(), &db);
    DestroyConfigDb();
    EXPECT_FALSE(ConfigDbExists());
}

// Bad input: none of it may crash or hang, and what is sound must still load.

TEST_F(DirDb, LinkLoopsAndSpecialFilesAreNotFollowed) {
    std::string root = WriteTree(tmp, "db", SmallDbFiles());
    fs::create_directory_symlink("..", root + "/ALG/up");
    fs::create_directory_symlink(root, root + "/MOD/loop");
    ASSERT_EQ(mkfifo((root + "/ALG/0005.alg").c_str(), 0644), 0);
    fs::create_symlink(root + "/ALG/0002.alg", root + "/ALG/0006.alg");  // a file link counts
    fs::create_symlink(root + "/ALG/none", root + "/ALG/0007.alg");

    ASSERT_TRUE(db.Open(1, tmp / "db"));
    EXPECT_EQ(db.DbFileCount(), 6u);
    EXPECT_EQ(db.GetStream("0005.alg"), nullptr);
    EXPECT_EQ(db.ListKind(dfkAlgorithm), (Names{"ALG/0002.alg", "ALG/0006.alg", "ALG/01a4.alg"}));
    EXPECT_TRUE(db.LoadProblems().empty());
}

TEST_F(DirDb, OversizedFileIsSkippedWithAMessage) {
    std::string root = WriteTree(tmp, "db", SmallDbFiles());
    fs::resize_file(tmp.WriteFile("db/ALG/0008.alg", ""), (16u << 20) + 1);
    ASSERT_TRUE(db.Open(1, root));
    EXPECT_EQ(db.DbFileCount(), 6u);

    EXPECT_EQ(db.GetStream("0008.alg"), nullptr);
    EXPECT_EQ(db.LoadProblems(), (Names{"Файл \"ALG/0008.alg\" больше 16 МБ, пропущен"}));
    EXPECT_EQ(db.ListKind(dfkAlgorithm), (Names{"ALG/0002.alg", "ALG/01a4.alg"}));
    EXPECT_EQ(db.LoadProblems().size(), 1u);  // the same message is not repeated
    // After the load the count is what was loaded, so the database reads as loaded.
    EXPECT_EQ(db.DbFileCount(), db.EntryCount());
}

TEST_F(DirDb, ThousandsOfEntriesLoad) {
    std::string root = WriteTree(tmp, "db", SmallDbFiles());
    for (int d = 0; d < 40; ++d) {
        std::string dir = root + "/ALG/g" + std::to_string(d);
        fs::create_directories(dir + "/empty/deeper");
        for (int f = 0; f < 50; ++f) {
            char name[16];
            std::snprintf(name, sizeof name, "/%04x.alg", d * 50 + f + 0x1000);
            std::ofstream(dir + name) << "algorithm";
        }
    }
    ASSERT_TRUE(db.Open(1, root));
    EXPECT_EQ(db.DbFileCount(), 2005u);
    EXPECT_EQ(db.ListKind(dfkAlgorithm).size(), 2002u);
    EXPECT_NE(db.GetStream("17CF.ALG"), nullptr);
}

TEST_F(DirDb, WalkGivesUpAfterTheDirectoryLimit) {
    for (int i = 0; i < 4; ++i)
        tmp.MakeDir("tree/" + std::to_string(i) + "/sub");
    Names seen;
    auto visit = [&](const std::string& dir, const TreeLevel&) {
        seen.push_back(dir);
        return true;
    };
    EXPECT_FALSE(WalkTreeBreadthFirst(tmp / "tree", visit, 3));
    EXPECT_EQ(seen, (Names{"", "0", "1"}));  // breadth-first: a level before the next
    seen.clear();
    EXPECT_TRUE(WalkTreeBreadthFirst(tmp / "tree", visit, 9));
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_EQ(seen.back(), "3/sub");
}

TEST_F(DirDb, CyrillicAndReadOnlyPaths) {
    std::string root = WriteTree(tmp, "Базы данных/БД-Земра", SmallDbFiles());
    for (auto& p : fs::recursive_directory_iterator(root))
        fs::permissions(p.path(), fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
    fs::permissions(root, fs::perms::owner_write, fs::perm_options::remove);

    ASSERT_TRUE(db.OpenPath(root));
    EXPECT_EQ(db.DbPath(), root);
    EXPECT_EQ(StreamText(db.GetStream("07a1.tsk")), "task queue 07A1");
    EXPECT_EQ(db.ListKind(dfkTaskQueue).size(), 2u);
}
