// Directories of archive files: listing with the CRC check, finding files for a period,
// choosing a set by number and series.
#include <gtest/gtest.h>

#include "model/flash/find_archive_files.h"
#include "model/flash/find_archive_set.h"
#include "model/flash/list_archive_dir.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "support/archive_fixture.h"

namespace {
TDateTime FileTime() {
    return EncodeDateTime(2023, 3, 10, 12, 0, 0);
}

ArchiveFileSpec Spec(uint32_t series, bool crc = true) {
    return FixtureFile(true, crc, true, FileTime(),
                       {FixtureBlock(1, FileTime(), kHourStep, {1, 2, 3})}, series);
}

// Writes a file and flips one byte after the headers, so its CRC fails.
std::string WriteDamaged(const TempDir& dir, const std::string& name, ArchiveFileSpec spec) {
    std::vector<uint8_t> bytes = EncodeArchiveFile(spec);
    bytes[40] ^= 0x55;
    return dir.WriteFile(name, std::string(bytes.begin(), bytes.end()));
}

TEST(ListArchiveDir, FiltersByExtensionAndSetsDamagedFilesApart) {
    TempDir dir;
    std::string good = WriteArchiveFixture(dir, "a_1.hns", Spec(1));
    std::string noCrc = WriteDamaged(dir, "a_2.HNS", Spec(1, false));
    std::string bad = WriteDamaged(dir, "a_3.HNS", Spec(1));
    std::string daily = WriteArchiveFixture(dir, "a_4.SNS", Spec(1));
    dir.WriteFile("a_5.HNS.txt", "x");
    dir.WriteFile("tiny.HNS", "");
    std::string sub = dir.MakeDir("sub.HNS");

    ArchiveDirListing hourly = ListArchiveDir(dir.Path(), 0, true, false);
    EXPECT_EQ(hourly.Files, (std::vector<std::string>{good, noCrc, dir / "tiny.HNS"}));
    EXPECT_EQ(hourly.Damaged, (std::vector<std::string>{bad}));
    EXPECT_TRUE(hourly.Subdirectories.empty());

    ArchiveDirListing all = ListArchiveDir(dir.Path(), kAllArchiveKinds, false, true);
    EXPECT_EQ(all.Files.size(), 5u);
    EXPECT_TRUE(all.Damaged.empty());
    EXPECT_EQ(all.Subdirectories, (std::vector<std::string>{sub}));
    EXPECT_EQ(ListArchiveDir(dir.Path(), kAnyFile, true, false).Files.size(), 5u);
}

TEST(FindArchiveFiles, CoveringUncoveredAndMissing) {
    TempDir dir;
    CurrentFormatSettings() = FormatSettings{};
    WriteArchiveFixture(dir, "a_1.HNS", Spec(1));
    WriteDamaged(dir, "a_2.SNS", Spec(1));

    ArchiveFilesFound covered =
        FindArchiveFiles(dir.Path(), 0, EncodeDate(2023, 3, 1), EncodeDate(2023, 3, 5));
    EXPECT_EQ(covered.Result, 0);
    EXPECT_EQ(covered.List, (std::vector<std::string>{dir / "a_1.HNS"}));

    ArchiveFilesFound before =
        FindArchiveFiles(dir.Path(), 0, EncodeDate(2023, 1, 1), EncodeDate(2023, 1, 5));
    EXPECT_EQ(before.Result, 1);
    ASSERT_EQ(before.List.size(), 1u);
    EXPECT_EQ(SysToUtf8(before.List[0]), "Доступны архивы с 05.01.2023 12 по 10.03.2023 12");

    EXPECT_EQ(
        FindArchiveFiles(dir.Path(), 1, EncodeDate(2023, 3, 1), EncodeDate(2023, 3, 5)).Result, 2);
    EXPECT_EQ(FindArchiveFiles(dir / "nowhere", 0, 0, 0).Result, 2);
}

TEST(FindArchiveFiles, MonthlyArchiveStartsFourYearsBackOnDayOne) {
    TempDir dir;
    ArchiveFileSpec monthly = Spec(1);
    monthly.FileTime = EncodeDateTime(2023, 3, 10, 12, 0, 0);
    WriteArchiveFixture(dir, "m.MNS", monthly);
    EXPECT_DOUBLE_EQ(ArchiveStart(2, monthly.FileTime), EncodeDate(2019, 3, 1));
    ArchiveFilesFound late =
        FindArchiveFiles(dir.Path(), 2, EncodeDate(2024, 1, 1), EncodeDate(2024, 2, 1));
    EXPECT_EQ(late.Result, 1);
    EXPECT_EQ(SysToUtf8(late.List.at(0)), "Доступны архивы с 03.2019 по 03.2023");
}

TEST(FindArchiveSet, ChoosesTheGreatestNumberAndAddsItsSeries) {
    TempDir dir;
    WriteArchiveFixture(dir, "S_0001A.HNS", Spec(7));
    std::string chosen = WriteArchiveFixture(dir, "S_00020.SNS", Spec(9));
    std::string sameSeries = WriteArchiveFixture(dir, "S_00003.HNS", Spec(9));
    std::string monthly = WriteArchiveFixture(dir, "x.MNS", Spec(9));
    WriteArchiveFixture(dir, "S_00004.INS", Spec(8));

    ArchiveSet names;
    std::string message;
    EXPECT_EQ(FindArchiveSet(names, dir.Path(), message), 1);
    EXPECT_EQ(names, (ArchiveSet{sameSeries, chosen, monthly, "", ""}));
}

TEST(FindArchiveSet, AGivenFileIsChosenAndItsDirectorySearched) {
    TempDir dir;
    std::string given = WriteArchiveFixture(dir, "d/S_00001.PNS", Spec(3));
    std::string mate = WriteArchiveFixture(dir, "d/S_00002.HNS", Spec(3));
    WriteArchiveFixture(dir, "d/S_0FFFF.SNS", Spec(4));
    ArchiveSet names;
    names[4] = given;
    std::string message;
    EXPECT_EQ(FindArchiveSet(names, "/ignored", message), 4);
    EXPECT_EQ(names, (ArchiveSet{mate, "", "", "", given}));
}

TEST(FindArchiveSet, NamesWithoutNumbersAndEmptyOrDamagedDirectories) {
    TempDir dir;
    std::string first = WriteArchiveFixture(dir, "a/alpha.HNS", Spec(1));
    WriteArchiveFixture(dir, "a/omega_zz.SNS", Spec(2));
    ArchiveSet names;
    std::string message;
    EXPECT_EQ(FindArchiveSet(names, dir / "a", message), 0);
    EXPECT_EQ(names[0], first);

    EXPECT_EQ(ArchiveNameNumber("x/S_0001A.HNS"), 0x1Au);
    EXPECT_EQ(ArchiveNameNumber("ABC.HNS"), 0xABCu);
    EXPECT_EQ(ArchiveNameNumber("S_.HNS"), std::nullopt);
    EXPECT_EQ(ArchiveNameNumber("S_12345678901234567.HNS"), std::nullopt);

    std::string empty = dir.MakeDir("empty");
    names = {};
    EXPECT_EQ(FindArchiveSet(names, empty, message), -1);
    EXPECT_EQ(SysToUtf8(message), "В каталоге " + empty + " архивные файлы не обнаружены");

    WriteDamaged(dir, "bad/S_1.HNS", Spec(1));
    dir.WriteFile("bad/readme.txt", "x");
    EXPECT_EQ(FindArchiveSet(names, dir / "bad", message), -1);
    EXPECT_EQ(SysToUtf8(message), "В каталоге " + (dir / "bad") +
                                      " находятся файлы, в которых обнаружены поврежденные данные");

    WriteArchiveFixture(dir, "inv/S_1.HNS", [] {
        ArchiveFileSpec s = Spec(1);
        s.Signature = 2.0;
        return s;
    }());
    EXPECT_EQ(FindArchiveSet(names, dir / "inv", message), -1);
    EXPECT_EQ(SysToUtf8(message), "В каталоге " + (dir / "inv") + " архивные файлы не обнаружены");
}
}  // namespace
