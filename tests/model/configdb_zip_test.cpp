// The configuration database kept as a zip archive: detection, names, lookups, damage.
#include <cstdint>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/configdb_fixture.h"

namespace {

using Names = std::vector<std::string>;

class ZipDb : public ::testing::Test {
  protected:
    // The small database archived by the zip tool (directory entries included).
    std::string ToolZip(const std::string& name = "db.zip") {
        std::string dir = WriteTree(tmp, "tree", SmallDbFiles());
        std::string zip = tmp / name;
        EXPECT_TRUE(MakeZipWithTool(dir, zip));
        return zip;
    }
    std::string PythonZip(const std::vector<ZipItem>& items, const std::string& name = "db.zip") {
        std::string zip = tmp / name;
        EXPECT_TRUE(MakeZipWithPython(zip, items));
        return zip;
    }

    TempDir tmp;
    tKesh_BDZemra_forBDD7 db;
};

void PutU32(std::string& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

uint32_t GetU32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[at + size_t(i)]);
    return v;
}

uint16_t GetU16(const std::string& bytes, size_t at) {
    return uint16_t(uint8_t(bytes[at]) | (uint8_t(bytes[at + 1]) << 8));
}

// Offset of the central directory record of the named entry.
size_t CentralRecord(const std::string& zip, const std::string& name) {
    for (size_t at = zip.find("PK\1\2"); at != std::string::npos; at = zip.find("PK\1\2", at + 1))
        if (zip.compare(at + 46, GetU16(zip, at + 28), name) == 0)
            return at;
    ADD_FAILURE() << "no central record of " << name;
    return 0;
}

// Announces another uncompressed size for the entry, in its local and central headers alike.
void AnnounceSize(const std::string& zipPath, const std::string& name, uint32_t size) {
    std::string zip = ReadBytes(zipPath);
    size_t central = CentralRecord(zip, name);
    PutU32(zip, central + 24, size);
    PutU32(zip, GetU32(zip, central + 42) + 22, size);
    WriteBytes(zipPath, zip);
}

}  // namespace

TEST_F(ZipDb, ArchiveOfTheZipToolOpensAndDetects) {
    std::string zip = ToolZip();
    std::string error = "old";
    ASSERT_TRUE(db.Open(0, zip, &error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(db.DbKind(), 0);
    EXPECT_EQ(db.DbPath(), zip);
    EXPECT_EQ(db.DbFileCount(), 5u);
    EXPECT_EQ(db.GetVersion(), "2.14\r\n");
    EXPECT_EQ(db.EntryCount(), 0u);
}

TEST_F(ZipDb, LookupIgnoresLetterCaseOfTheFileNameBeforeAnyLoad) {
    ASSERT_TRUE(db.Open(0, ToolZip()));
    MemoryStream* s = db.GetStream("01A4.ALG");  // held as ALG/01a4.alg
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(StreamText(s), "algorithm 01A4");
    EXPECT_EQ(db.FindEntry("01a4.ALG"), "ALG/01a4.alg");
    EXPECT_EQ(db.GetStream("c:\\db\\ALG\\01a4.alg"), s);
    EXPECT_EQ(s->Position(), 0u);
    EXPECT_EQ(StreamText(db.GetStream("TASK/OLD/0003.TSK")), "nested task queue 0003");
    EXPECT_TRUE(db.HasFile("07A1.TSK"));
    EXPECT_EQ(db.GetStream("ffff.alg"), nullptr);
    EXPECT_EQ(db.EntryCount(), 3u);
    EXPECT_FALSE(db.DbLoaded());
}

TEST_F(ZipDb, ListKindLoadsTheWholeArchive) {
    ASSERT_TRUE(db.Open(0, ToolZip()));
    ASSERT_NE(db.GetStream("0002.alg"), nullptr);
    Names algs = db.ListKind(dfkAlgorithm);
    std::sort(algs.begin(), algs.end());
    EXPECT_EQ(algs, (Names{"ALG/0002.alg", "ALG/01a4.alg"}));
    EXPECT_EQ(db.EntryCount(), 5u);
    EXPECT_TRUE(db.DbLoaded());
    EXPECT_EQ(db.ListKind(dfkModule), (Names{"MOD/07A1.mod"}));
    Names missing;
    db.MissingNames({"07A1.MOD", "07A2.MOD"}, missing);
    EXPECT_EQ(missing, (Names{"07A2.MOD"}));
}

TEST_F(ZipDb, OpenAndOpenPathFindTheArchive) {
    std::string zip = ToolZip("base.zip");
    std::string error;
    ASSERT_TRUE(db.Open(0, tmp / "base", &error));  // ".zip" is added to a bare name
    EXPECT_EQ(db.DbPath(), zip);
    EXPECT_EQ(db.RequestedPath(), tmp / "base");

    ASSERT_TRUE(db.OpenPath(tmp / "base"));
    EXPECT_EQ(db.DbKind(), 0);
    EXPECT_EQ(db.DbPath(), zip);
    ASSERT_TRUE(db.OpenPath(zip));
    EXPECT_EQ(db.DbKind(), 0);

    EXPECT_FALSE(db.Open(0, tmp / "none.zip", &error));
    EXPECT_EQ(error, "Не найден .zip файл BD-Zemra");
    EXPECT_FALSE(db.Open(0, tmp.WriteFile("text.zip", "plain text"), &error));
    EXPECT_EQ(error, "");
}

TEST_F(ZipDb, WritingIntoAnOpenArchiveIsRefused) {
    std::string zip = ToolZip();
    ASSERT_TRUE(db.Open(0, zip));
    EXPECT_FALSE(db.IsWritable(zip + "/TASK/07A1.tsk"));
    EXPECT_TRUE(db.IsWritable(tmp / "modules/07A1_0001/07A1_0001.tsk"));
    EXPECT_TRUE(db.IsWritable(tmp / "elsewhere/07A1.tsk"));
}

TEST_F(ZipDb, DetectionNeedsAllThreeKinds) {
    std::vector<ZipItem> items = AsZipItems(SmallDbFiles());
    std::erase_if(items, [](const ZipItem& i) { return i.name.ends_with(".tsk"); });
    EXPECT_FALSE(db.Open(0, PythonZip(items)));
    EXPECT_EQ(db.LastError(), "");

    // Directories count without entries of their own.
    std::vector<ZipItem> filesOnly = AsZipItems(SmallDbFiles());
    std::erase_if(filesOnly, [](const ZipItem& i) { return i.name.ends_with("/"); });
    ASSERT_TRUE(db.Open(0, PythonZip(filesOnly, "files.zip")));
    EXPECT_EQ(db.DbFileCount(), 5u);
}

TEST_F(ZipDb, EntryNamesInCp866FlaggedAndUnflaggedUtf8) {
    std::vector<ZipItem> items = AsZipItems(SmallDbFiles());
    items.push_back({"Старые/ALG/0010.alg", "cp866", ZipNameCoding::Cp866});
    items.push_back({"Новые/MOD/0011.mod", "utf-8", ZipNameCoding::Standard});
    items.push_back({"Свежие/TASK/0012.tsk", "unflagged", ZipNameCoding::Utf8Unflagged});
    items.push_back({"VERSION.TXT", "3.0", ZipNameCoding::Standard});
    items.erase(items.begin());  // the lower-case version.txt
    ASSERT_TRUE(db.Open(0, PythonZip(items)));
    EXPECT_EQ(db.GetVersion(), "3.0");
    EXPECT_EQ(db.ListKind(dfkAlgorithm),
              (Names{"ALG/01a4.alg", "ALG/0002.alg", "Старые/ALG/0010.alg"}));
    EXPECT_EQ(db.ListKind(dfkModule), (Names{"MOD/07A1.mod", "Новые/MOD/0011.mod"}));
    const Names tasks = db.ListKind(dfkTaskQueue);
    EXPECT_NE(std::find(tasks.begin(), tasks.end(), "Свежие/TASK/0012.tsk"), tasks.end());
    EXPECT_EQ(StreamText(db.GetStream("0010.alg")), "cp866");
}

TEST_F(ZipDb, CyrillicArchivePath) {
    std::string zip = ToolZip("БД-Земра.zip");
    ASSERT_TRUE(db.OpenPath(tmp / "БД-Земра"));
    EXPECT_EQ(db.DbPath(), zip);
    EXPECT_EQ(db.ListKind(dfkTaskQueue).size(), 2u);
}

// Damaged archives: never a crash, and what is sound still loads.

TEST_F(ZipDb, TruncatedOrGarbageArchiveStaysClosed) {
    std::string zip = ToolZip();
    std::string bytes = ReadBytes(zip);
    WriteBytes(zip, bytes.substr(0, bytes.size() / 2));
    std::string error;
    EXPECT_FALSE(db.Open(0, zip, &error));
    EXPECT_EQ(error, "Повреждён .zip файл BD-Zemra");

    std::string garbage = "PK";
    for (int i = 0; i < 5000; ++i)
        garbage += char(i * 7919 % 251);
    EXPECT_FALSE(db.Open(0, tmp.WriteFile("garbage.zip", garbage), &error));
    EXPECT_EQ(error, "Повреждён .zip файл BD-Zemra");
}

TEST_F(ZipDb, BrokenCentralDirectoryKeepsTheEntriesBeforeTheDamage) {
    std::vector<ZipItem> items = AsZipItems(SmallDbFiles());
    items.push_back({"zz-last.txt", "last"});
    std::string zip = PythonZip(items);
    std::string bytes = ReadBytes(zip);
    bytes[CentralRecord(bytes, "zz-last.txt") + 3] = 'X';
    WriteBytes(zip, bytes);

    ASSERT_TRUE(db.Open(0, zip));
    EXPECT_EQ(db.LoadProblems(),
              (Names{"Оглавление .zip файла BD-Zemra повреждено, прочитано записей: " +
                     std::to_string(items.size() - 1)}));
    EXPECT_EQ(db.ListKind(dfkAlgorithm).size(), 2u);
}

TEST_F(ZipDb, EntriesTooLargeOrLyingAboutTheirSizeAreSkipped) {
    std::vector<ZipItem> items = AsZipItems(SmallDbFiles());
    items.push_back(
        {"ALG/0020.alg", std::string(1024, '\0'), ZipNameCoding::Standard, (17u << 20) / 1024});
    items.push_back({"ALG/0021.alg", "announced as huge"});
    items.push_back({"ALG/0022.alg", "announced shorter than it is"});
    std::string zip = PythonZip(items);
    AnnounceSize(zip, "ALG/0021.alg", 0xFFFFFFF0u);
    AnnounceSize(zip, "ALG/0022.alg", 4);

    ASSERT_TRUE(db.Open(0, zip));
    EXPECT_EQ(db.DbFileCount(), 8u);
    EXPECT_EQ(db.GetStream("0021.alg"), nullptr);
    EXPECT_EQ(db.GetStream("0022.alg"), nullptr);
    EXPECT_EQ(db.ListKind(dfkAlgorithm), (Names{"ALG/01a4.alg", "ALG/0002.alg"}));
    EXPECT_EQ(db.LoadProblems(), (Names{
                                     "Файл \"ALG/0021.alg\" больше 16 МБ, пропущен",
                                     "Файл \"ALG/0022.alg\" повреждён в архиве, пропущен",
                                     "Файл \"ALG/0020.alg\" больше 16 МБ, пропущен",
                                 }));
    EXPECT_EQ(db.DbFileCount(), db.EntryCount());
}

TEST_F(ZipDb, RandomDamageNeverServesGarbledContents) {
    std::vector<ZipItem> items = AsZipItems(SmallDbFiles());
    items.push_back({"ALG/0030.alg", std::string(3000, 'x'), ZipNameCoding::Standard});
    const std::string original = ReadBytes(PythonZip(items));
    std::set<std::string> contents;
    for (const ZipItem& i : items)
        contents.insert(i.contents);

    std::mt19937 rng(2024);
    std::string zip = tmp / "damaged.zip";
    int opened = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = original;
        switch (round % 3) {
            case 0:  // a few bytes changed anywhere
                for (int n = 1 + int(rng() % 4); n > 0; --n)
                    bytes[rng() % bytes.size()] = char(rng());
                break;
            case 1:  // cut short
                bytes.resize(rng() % bytes.size());
                break;
            case 2:  // a run of noise
                for (size_t at = rng() % bytes.size(), n = 1 + rng() % 64;
                     n > 0 && at < bytes.size(); --n, ++at)
                    bytes[at] = char(rng());
                break;
        }
        WriteBytes(zip, bytes);
        if (!db.Open(0, zip))
            continue;
        ++opened;
        EXPECT_TRUE(db.GetVersion().empty() || contents.count(db.GetVersion())) << round;
        for (int kind = 0; kind < kDbFileKindCount; ++kind)
            for (const std::string& name : db.ListKind(kind))
                EXPECT_TRUE(contents.count(StreamText(db.GetStream(name)))) << round << name;
    }
    EXPECT_GT(opened, 0);  // some damage leaves the archive usable, and that was checked
}
