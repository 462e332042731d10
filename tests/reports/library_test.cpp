// Taking reports over from the report library and its index.
#include "reports/library_copy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/queue/tsk_file.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/program_info.h"
#include "reports/library_dir.h"
#include "reports/library_index.h"
#include "reports/module_link.h"
#include "reports_fixture.h"
#include "shell/program_state.h"

namespace {

std::string QueueBytes(const std::string& name, uint32_t id) {
    TskFile f;
    f.Header.QueueName = name;
    f.Header.ModuleNumber = 0x07A1;
    f.Header.IdFlags = 15;
    f.Header.IdTable[0] = id;
    const auto bytes = EncodeTskFile(f);
    return std::string(bytes.begin(), bytes.end());
}

TskHeader QueueHeader(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    EXPECT_TRUE(bytes && bytes->size() >= TskHeaderSize);
    return DecodeTskHeader(bytes->data());
}

// replib/Reports/00000012.ini and an entry e1 with queue, link file and module report file.
class LibraryTest : public ReportsTest {
  protected:
    void SetUp() override {
        ReportsTest::SetUp();
        library_ = work_.MakeDir("replib");
        work_.WriteFile("replib/Reports/00000012.ini", "[Report]\nName=Lib\nColumns=1\n");
        queue_ = work_.WriteFile("replib/e1/lib.tsk", QueueBytes("lib", 0x04030201));
        work_.WriteFile("replib/e1/lib.ini", "[Common]\nVS=0\nZn=0001\nSetn=5\n[Link]\nType=1\n");
        work_.WriteFile("replib/e1/Reports/00000012.ini",
                        "[Report]\nTypeH=1\n[Id_1]\nArchiveH=0101\n");
        work_.WriteFile("replib/e1/Reports/notes.ini", "[Report]\nTypeH=1\n");
        work_.WriteFile("replib/e1/Reports/THead/00000012TabHead.ini", "[Head]\nRows=1\n");
        work_.WriteFile("replib/e1/old/other.ini", "[Common]\nVS=1\n");
    }
    std::string library_;
    std::string queue_;
};

TEST_F(LibraryTest, LibraryNumberTwelveBecomes99999988ForDescriptorAndModuleFile) {
    EXPECT_EQ(InstallLibraryReports(work_ / "replib/e1/lib.ini", library_), 1);
    EXPECT_EQ(Tree(reportsDir_), std::vector<std::string>{"99999988.ini"});
    EXPECT_EQ(Text(reportsDir_ + "/99999988.ini"), Text(library_ + "/Reports/00000012.ini"));

    std::string entry = queue_;
    ASSERT_TRUE(CopyLibraryEntry(entry, 0x21, 0x1234, "Котельная", 0x07A1));
    const std::string moduleDir = modulesDir_ + "/07A1_1234_0";
    EXPECT_EQ(Tree(moduleDir), (std::vector<std::string>{"07A1_1234_0.ini", "07A1_1234_0.tsk",
                                                         "Reports/99999988.ini",
                                                         "Reports/THead/99999988TabHead.ini"}));
    EXPECT_EQ(entry, moduleDir + "/07A1_1234_0.tsk");

    const TskHeader header = QueueHeader(entry);
    EXPECT_EQ(SysToUtf8(header.QueueName), "Котельная");
    EXPECT_EQ(header.ModuleWord60, 0x1234);
    EXPECT_EQ(header.NetworkWord62, 0x21);
    EXPECT_EQ(header.IdTable[0], 0x04030201u);
    const IniFile link(moduleDir + "/07A1_1234_0.ini");
    EXPECT_EQ(link.ReadString("Common", "Zn", ""), "1234");
    EXPECT_EQ(link.ReadString("Common", "Setn", ""), "21");
    EXPECT_TRUE(link.ValueExists("Common", "WayFlash"));
    EXPECT_EQ(link.ReadInteger("Link", "Type", 0), 1);
}

TEST_F(LibraryTest, UnknownNumbersNameTheCopyAfterTheEntry) {
    std::string entry = queue_;
    ASSERT_TRUE(CopyLibraryEntry(entry, 1, -1, "x", 0x07A1));
    EXPECT_EQ(entry, queue_);
    const std::string moduleDir = modulesDir_ + "/e1_0";
    EXPECT_EQ(Tree(moduleDir),
              (std::vector<std::string>{"Reports/99999988.ini", "Reports/THead/99999988TabHead.ini",
                                        "lib_0.ini", "lib_0.tsk"}));
    EXPECT_EQ(Text(moduleDir + "/lib_0.tsk"), Text(queue_));
}

TEST_F(LibraryTest, ModuleReportsAloneGoIntoAnExistingModule) {
    const std::string moduleDir = work_.MakeDir("Modules/07A1_0001");
    work_.WriteFile("Modules/07A1_0001/07A1_0001.tsk", "own queue");
    EXPECT_EQ(CopyModuleReports(queue_, moduleDir), 2);
    EXPECT_EQ(Tree(moduleDir), (std::vector<std::string>{"07A1_0001.tsk", "Reports/99999988.ini",
                                                         "Reports/THead/99999988TabHead.ini"}));
    EXPECT_EQ(Text(moduleDir + "/07A1_0001.tsk"), "own queue");
}

TEST_F(LibraryTest, FailedCopiesAreSkippedAndLoseNothing) {
    // The library lacks the descriptor; the report already installed stays as it was.
    DeleteFileAt(library_ + "/Reports/00000012.ini");
    work_.WriteFile("Reports/99999988.ini", "[Report]\nName=Installed\nColumns=1\n");
    EXPECT_EQ(InstallLibraryReports(queue_, library_), 0);
    EXPECT_EQ(Text(reportsDir_ + "/99999988.ini"), "[Report]\nName=Installed\nColumns=1\n");

    // A source that cannot be read as a file leaves the existing target untouched.
    std::filesystem::remove(work_ / "replib/e1/Reports/00000012.ini");
    work_.MakeDir("replib/e1/Reports/00000012.ini");
    work_.WriteFile("replib/e1/Reports/00000013.ini", "[Report]\nTypeD=1\n");
    const std::string moduleDir = work_.MakeDir("Modules/m");
    work_.WriteFile("Modules/m/Reports/99999988.ini", "mine");
    CopyModuleReports(queue_, moduleDir);
    EXPECT_EQ(Text(moduleDir + "/Reports/99999988.ini"), "mine");
    EXPECT_EQ(Text(moduleDir + "/Reports/99999987.ini"), "[Report]\nTypeD=1\n");
    EXPECT_EQ(Tree(moduleDir).size(), 3u);  // no temporary files left behind
}

TEST_F(LibraryTest, UnsafeEntryDirectoryNameIsRefused) {
    std::string entry = work_ / "replib/e1/../lib.tsk";
    EXPECT_FALSE(CopyLibraryEntry(entry, 1, -1, "x", -1));
    ASSERT_EQ(prompts_.History().size(), 1u);
    EXPECT_NE(prompts_.History()[0].text.find("Недопустимое имя"), std::string::npos);
    EXPECT_TRUE(Tree(work_.Path() + "/Modules").empty());
}

TEST_F(LibraryTest, IndexListsQueuesUnderTheirIdentifier) {
    work_.WriteFile("replib/e2/b.tsk", QueueBytes("b", 0x04030201));
    work_.WriteFile("replib/e3/c.tsk", QueueBytes("c", 0xAABBCCDD));
    work_.WriteFile("replib/replib.ini", "[STALE]\nreplib/gone.tsk=\n");
    ASSERT_TRUE(RebuildLibraryIndex(library_));

    const IniFile index(library_ + "/replib.ini");
    EXPECT_EQ(index.ReadSections(), (std::vector<std::string>{"01020304", "DDCCBBAA"}));
    EXPECT_EQ(index.ReadSection("01020304"),
              (std::vector<std::string>{"replib/e1/lib.tsk", "replib/e2/b.tsk"}));
    EXPECT_EQ(FindLibraryEntries("01020304", library_),
              (std::vector<std::string>{queue_, work_ / "replib/e2/b.tsk"}));
    EXPECT_TRUE(FindLibraryEntries("00000000", library_).empty());

    work_.WriteFile("replib/replib.ini", "[01020304]\nreplib/../../etc/x.tsk=\n/abs.tsk=\n");
    EXPECT_TRUE(FindLibraryEntries("01020304", library_).empty());
}

TEST_F(LibraryTest, MissingLibraryDoesNothing) {
    EXPECT_TRUE(RebuildLibraryIndex(work_ / "none"));
    EXPECT_FALSE(std::filesystem::exists(work_ / "none"));
    EXPECT_TRUE(FindLibraryEntries("01020304", work_ / "none").empty());
}

TEST_F(LibraryTest, ModuleNumbersOnlyForExactExtensions) {
    const std::string upper = work_.WriteFile("x/A.TSK", QueueBytes("a", 1));
    const std::string ini = work_.WriteFile("x/a.ini", "[Common]\nVS=1\nZn=0001\nWayFlash=/f\n");
    const std::string upperIni = work_.WriteFile("x/b.INI", "[Common]\nZn=0001\n");
    EXPECT_TRUE(SetModuleNumbers(upper, 2, 0xBEEF, "n"));
    EXPECT_TRUE(SetModuleNumbers(upperIni, 2, 0xBEEF, "n"));
    ASSERT_TRUE(SetModuleNumbers(ini, 0x0A, 0xBEEF, "n"));
    EXPECT_EQ(QueueHeader(upper).ModuleWord60, 0);
    EXPECT_EQ(Text(upperIni), "[Common]\nZn=0001\n");
    const IniFile link(ini);
    EXPECT_EQ(link.ReadString("Common", "Zn", ""), "BEEF");
    EXPECT_EQ(link.ReadString("Common", "Setn", ""), "0A");
    EXPECT_EQ(link.ReadString("Common", "WayFlash", "?"), "");
    EXPECT_EQ(link.ReadInteger("Common", "VS", -1), 1);

    EXPECT_FALSE(SetModuleNumbers(work_.WriteFile("x/short.tsk", "abc"), 1, 1, "n"));
    EXPECT_EQ(Text(work_ / "x/short.tsk"), "abc");
}

TEST(LibraryDir, BesideTheProgramElseTheInstalledDataDirectory) {
    const std::filesystem::path programDir = ProgramDir();
    const std::filesystem::path beside = programDir / "replib";
    ASSERT_FALSE(std::filesystem::exists(beside));
    EXPECT_EQ(ReportLibraryDir(),
              (programDir.parent_path().parent_path() / "share/velorm/replib").string());
    std::filesystem::create_directory(beside);
    EXPECT_EQ(ReportLibraryDir(), beside.string());
    std::filesystem::remove(beside);
}

}  // namespace
