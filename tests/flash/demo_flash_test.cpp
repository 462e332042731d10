// The demo flash directory is one consistent writing that the archive operations read.
#include <gtest/gtest.h>

#include "model/flash/archive_value.h"
#include "model/flash/demo_flash.h"
#include "model/flash/find_archive_files.h"
#include "model/flash/find_archive_set.h"
#include "model/flash/list_archive_blocks.h"
#include "model/flash/list_archive_dir.h"
#include "model/flash/read_archive.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace {
TEST(DemoFlash, WritesOneIntactWritingAndOneDamagedFile) {
    TempDir dir;
    std::string flash = dir / "flash";
    DemoFlashWriting w = WriteDemoFlash(flash);
    ASSERT_EQ(w.Error, "");
    ASSERT_EQ(w.Files.size(), 3u);

    ArchiveDirListing listing = ListArchiveDir(flash, kAllArchiveKinds, true, false);
    EXPECT_EQ(listing.Files,
              (std::vector<std::string>{w.Files[0], w.Files[2], w.Files[1]}));  // name order
    EXPECT_EQ(listing.Damaged, (std::vector<std::string>{w.Damaged}));

    ArchiveSet names;
    std::string message;
    EXPECT_GE(FindArchiveSet(names, flash, message), 0);
    EXPECT_EQ(names, (ArchiveSet{w.Files[0], w.Files[1], w.Files[2], "", ""}));

    std::vector<std::string> blocks;
    ASSERT_EQ(ListArchiveBlocks(w.Files[0], blocks, true), 4);
    EXPECT_EQ(blocks[brId], "0101");
    EXPECT_EQ(blocks[brDepth], "1536");
    EXPECT_EQ(SysToUtf8(blocks[brName]), "Тепловая энергия");
}

TEST(DemoFlash, ValuesHaveADailyRhythmAndAGap) {
    TempDir dir;
    DemoFlashOptions options;
    DemoFlashWriting w = WriteDemoFlash(dir.Path(), options);
    TDateTime from = options.FileTime - 3, to = options.FileTime - 2;
    ArchiveFilesFound found = FindArchiveFiles(dir.Path(), 0, from, to);
    ASSERT_EQ(found.Result, 0);

    ArchiveReading day = ReadArchiveFile(w.Files[0], 0x0103, 0, from, to);
    ASSERT_EQ(day.Count(), 24u);
    auto [lo, hi] = std::minmax_element(day.Values.begin(), day.Values.end());
    EXPECT_GT(*hi - *lo, 3.0);
    EXPECT_GT(*lo, 40.0);

    ArchiveReading all = ReadArchiveFile(w.Files[0], 0x0104, 0, 0, 0);
    EXPECT_EQ(all.Count(), 1536u);
    EXPECT_EQ(std::count(all.Values.begin(), all.Values.end(), NoValue), 3);
    EXPECT_DOUBLE_EQ(all.Times.back(), StartOfTheHour(options.FileTime) - 1.0 / 24);

    ArchiveReading months = ReadArchiveFile(w.Files[2], 0x0102, 2, 0, 0);
    ASSERT_EQ(months.Count(), 48u);
    EXPECT_DOUBLE_EQ(months.Times.back(), EncodeDate(2024, 2, 1));
    EXPECT_DOUBLE_EQ(months.Times.front(), EncodeDate(2020, 3, 1));
}
}  // namespace
