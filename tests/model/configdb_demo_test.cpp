// The demo database and the database writers: what they write opens and reads back the same.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/configdb/demo_db.h"
#include "model/configdb_fixture.h"

namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

Names DirectoryListing(const std::string& dir) {
    Names names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    return Sorted(names);
}

}  // namespace

TEST(DemoConfigDb, DirectoryAndArchiveHoldTheSameDatabase) {
    TempDir tmp;
    DemoConfigDbWritten written;
    std::string error;
    ASSERT_TRUE(WriteDemoConfigDb(tmp.Path(), written, error)) << error;
    // Written twice: files are replaced and no temporary file stays behind.
    ASSERT_TRUE(WriteDemoConfigDb(tmp.Path(), written, error)) << error;
    EXPECT_EQ(DirectoryListing(tmp.Path()), (Names{"BD-Zemra", "BD-Zemra.zip"}));
    EXPECT_EQ(written.directory, tmp / "BD-Zemra");
    EXPECT_EQ(written.zip, tmp / "BD-Zemra.zip");
    EXPECT_EQ(std::system(("unzip -tqq '" + written.zip + "'").c_str()), 0);

    tKesh_BDZemra_forBDD7 dir, zip;
    ASSERT_TRUE(dir.Open(1, written.directory));
    ASSERT_TRUE(zip.Open(0, written.zip));
    EXPECT_EQ(dir.DbFileCount(), written.fileCount - 1);  // all but version.txt
    EXPECT_EQ(zip.DbFileCount(), dir.DbFileCount());
    EXPECT_EQ(zip.GetVersion(), dir.GetVersion());
    EXPECT_FALSE(dir.GetVersion().empty());
    for (int kind = 0; kind < kDbFileKindCount; ++kind) {
        Names names = Sorted(dir.ListKind(kind));
        EXPECT_FALSE(names.empty());
        EXPECT_EQ(Sorted(zip.ListKind(kind)), names);
        for (const std::string& name : names)
            EXPECT_EQ(zip.GetStream(name)->Data(), dir.GetStream(name)->Data()) << name;
    }
}

TEST(DbWriter, NamesOutsideAsciiAndNamesLeavingTheDirectory) {
    TempDir tmp;
    std::vector<DbFileContent> files{
        {"Старые/ALG/0001.alg", {1, 2, 3}}, {"MOD/0002.mod", {}}, {"TASK/0003.tsk", {4}}};
    std::string error;
    ASSERT_TRUE(WriteDbZip(tmp / "db.zip", files, error)) << error;
    tKesh_BDZemra_forBDD7 db;
    ASSERT_TRUE(db.Open(0, tmp / "db.zip"));
    EXPECT_EQ(db.ListKind(dfkAlgorithm), (Names{"Старые/ALG/0001.alg"}));
    EXPECT_EQ(db.GetStream("0002.mod")->Size(), 0u);

    files.push_back({"../escape/0004.alg", {5}});
    EXPECT_FALSE(WriteDbZip(tmp / "bad.zip", files, error));
    EXPECT_FALSE(WriteDbDirectory(tmp / "bad", files, error));
    EXPECT_EQ(error, "недопустимое имя файла \"../escape/0004.alg\"");
    EXPECT_EQ(DirectoryListing(tmp.Path()), (Names{"db.zip"}));
}
