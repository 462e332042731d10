// Listing the blocks of archive files: the eight texts, old layout, sub-channels, failures.
#include <gtest/gtest.h>

#include "model/flash/list_archive_blocks.h"
#include "support/archive_fixture.h"

namespace {
TDateTime BlockTime() {
    return EncodeDateTime(2024, 6, 15, 10, 0, 0);
}

std::vector<std::string> Row(const std::vector<std::string>& list, size_t row) {
    return {list.begin() + row * kBlockRowTexts, list.begin() + (row + 1) * kBlockRowTexts};
}

TEST(ListArchiveBlocks, CurrentLayoutRowsForBlocksWithRecords) {
    TempDir dir;
    CurrentFormatSettings() = FormatSettings{};
    ArchiveBlockSpec a = FixtureBlock(0x1A2, BlockTime(), 0.5f, {1, 2, 3}, 1536);
    a.BlockName = "Temperature";
    a.BlockShortName = std::string("T\x01") + "1";
    a.BlockExtra = -7;
    ArchiveBlockSpec empty = FixtureBlock(5, BlockTime(), 1.0f, {});
    ArchiveBlockSpec negative = FixtureBlock(6, BlockTime(), 1.0f, {});
    negative.RecordCount = -3;
    std::string file = WriteArchiveFixture(
        dir, "a.HNS", FixtureFile(true, true, true, BlockTime(), {empty, a, negative}));

    std::vector<std::string> list = {"stale"};
    ASSERT_EQ(ListArchiveBlocks(file, list, true), 1);
    EXPECT_EQ(Row(list, 0), (std::vector<std::string>{"01A2", "1536", "Temperature", "T1",
                                                      "15.06.2024 10:00:00", "0,5", "-7", "3"}));
}

TEST(ListArchiveBlocks, OldLayoutShowsDecimalIdsAndDropsSubChannels) {
    TempDir dir;
    ArchiveBlockSpec main = FixtureBlock(300, BlockTime(), kDayStep, {1, 2});
    main.BlockShortName = "\xC3\xE2";  // cp1251 letters: high four bits 0xC
    ArchiveBlockSpec sub = FixtureBlock(301, BlockTime(), kDayStep, {1});
    sub.BlockShortName = "q1";  // 0x71: high four bits 7
    ArchiveBlockSpec unnamed = FixtureBlock(302, BlockTime(), kDayStep, {1});
    unnamed.BlockShortName = "";
    std::string file = WriteArchiveFixture(
        dir, "o.SNS", FixtureFile(false, false, false, BlockTime(), {main, sub, unnamed}));

    std::vector<std::string> list;
    ASSERT_EQ(ListArchiveBlocks(file, list, false), 3);
    EXPECT_EQ(list[brId], "300");
    EXPECT_EQ(list[brExtra], "2");  // the old layout shows the record count here
    ASSERT_EQ(ListArchiveBlocks(file, list, true), 2);
    EXPECT_EQ(Row(list, 0)[brId], "300");
    EXPECT_EQ(Row(list, 1)[brId], "302");
}

TEST(ListArchiveBlocks, ReadFailuresGiveAnEmptyList) {
    TempDir dir;
    ArchiveFileSpec spec = FixtureFile(true, false, true, BlockTime(),
                                       {FixtureBlock(1, BlockTime(), kHourStep, {1, 2})});
    ArchiveFileSpec moreBlocks = spec;
    moreBlocks.BlockCount = 0x7FFFFFFF;
    ArchiveFileSpec moreRecords = spec;
    moreRecords.Blocks[0].RecordCount = 0x7FFFFFFF;
    std::vector<std::string> list;
    for (const ArchiveFileSpec& s : {moreBlocks, moreRecords}) {
        list = {"stale"};
        EXPECT_EQ(ListArchiveBlocks(WriteArchiveFixture(dir, "f.HNS", s), list, false), 0);
        EXPECT_TRUE(list.empty());
    }
    EXPECT_EQ(ListArchiveBlocks(WriteTruncatedFixture(dir, "t.HNS", spec, 100), list, false), 0);
    EXPECT_EQ(ListArchiveBlocks(dir / "none.HNS", list, false), 0);
}
}  // namespace
