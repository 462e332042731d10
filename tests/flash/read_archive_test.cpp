// Reading the records of one block for a period: forward and backward dating, windows,
// kinds, and files that announce more than they hold.
#include <gtest/gtest.h>

#include "model/flash/archive_value.h"
#include "model/flash/read_archive.h"
#include "support/archive_fixture.h"

namespace {
TDateTime At(int day, int hour, int minute = 0) {
    return EncodeDateTime(2024, 6, day, hour, minute, 0);
}

std::string WriteOneBlock(const TempDir& dir, const std::string& name, bool bcd,
                          ArchiveBlockSpec block) {
    return WriteArchiveFixture(dir, name, FixtureFile(bcd, bcd, true, At(20, 0), {block}));
}

TEST(ReadArchiveFile, BcdHourlyBlockIsDatedBackFromItsLastRecord) {
    TempDir dir;
    std::string file =
        WriteOneBlock(dir, "a_1.HNS", true, FixtureBlock(7, At(15, 10), kHourStep, {1, 2, 3}));
    ArchiveReading all = ReadArchiveFile(file, 7, 0, 0, 0);
    ASSERT_EQ(all.Count(), 3u);
    EXPECT_DOUBLE_EQ(all.Times[0], At(15, 8));
    EXPECT_DOUBLE_EQ(all.Times[1], At(15, 9));
    EXPECT_DOUBLE_EQ(all.Times[2], At(15, 10));
    EXPECT_EQ(all.Values, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(all.Statuses, (std::vector<uint16_t>{0, 1, 2}));
    EXPECT_EQ(all.StepMinutes, 30);

    ArchiveReading window = ReadArchiveFile(file, 7, 0, At(15, 9), 0);
    ASSERT_EQ(window.Count(), 2u);
    EXPECT_DOUBLE_EQ(window.Times[0], At(15, 9));
    EXPECT_EQ(window.Values, (std::vector<double>{2, 3}));

    ArchiveReading upTo = ReadArchiveFile(file, 7, 0, At(15, 8), At(15, 9));
    EXPECT_EQ(upTo.Values, (std::vector<double>{1, 2}));
    EXPECT_EQ(ReadArchiveFile(file, 7, 0, At(16, 0), 0).Count(), 0u);
}

TEST(ReadArchiveFile, DoubleTimesRunForwardFromTheFirstRecord) {
    TempDir dir;
    // Times a hair before the hour, as a controller's single-precision clock writes them.
    TDateTime first = At(15, 22) - 0.5 / 86400;
    std::string file =
        WriteOneBlock(dir, "a.HNS", false, FixtureBlock(3, first, kHourStep, {5, 6, 7, 8}));
    ArchiveReading r = ReadArchiveFile(file, 3, 0, 0, 0);
    ASSERT_EQ(r.Count(), 4u);
    EXPECT_DOUBLE_EQ(r.Times[0], At(15, 22));
    EXPECT_DOUBLE_EQ(r.Times[1], At(15, 23));
    EXPECT_DOUBLE_EQ(r.Times[2], At(16, 0));
    EXPECT_DOUBLE_EQ(r.Times[3], At(16, 1));
    EXPECT_EQ(ReadArchiveFile(file, 3, 0, At(15, 23), At(16, 0)).Values,
              (std::vector<double>{6, 7}));
}

TEST(ReadArchiveFile, MonthlyBcdRecordsGetDayOneOfEarlierMonths) {
    TempDir dir;
    TDateTime blockTime = EncodeDateTime(2024, 3, 31, 12, 0, 0);
    std::string file =
        WriteOneBlock(dir, "m.MNS", true, FixtureBlock(1, blockTime, 17.0f, {10, 20, 30}));
    ArchiveReading r = ReadArchiveFile(file, 1, 2, 0, 0);
    ASSERT_EQ(r.Count(), 3u);
    EXPECT_DOUBLE_EQ(r.Times[0], EncodeDate(2024, 1, 1));
    EXPECT_DOUBLE_EQ(r.Times[1], EncodeDate(2024, 2, 1));
    EXPECT_DOUBLE_EQ(r.Times[2], EncodeDate(2024, 3, 31));
}

TEST(ReadArchiveFile, HalfHourlyBcdShiftsAndIntervalReportsItsStep) {
    TempDir dir;
    std::string half =
        WriteOneBlock(dir, "h.PNS", true, FixtureBlock(1, At(15, 10), kHalfHourStep, {1, 2}));
    ArchiveReading r = ReadArchiveFile(half, 1, 4, 0, 0);
    ASSERT_EQ(r.Count(), 2u);
    EXPECT_NEAR(r.Times[0], At(15, 9), 1e-9);
    EXPECT_NEAR(r.Times[1], At(15, 9, 30), 1e-9);

    std::string interval =
        WriteOneBlock(dir, "i.INS", false, FixtureBlock(1, At(15, 10), kIntervalStep, {1, 2}));
    ArchiveReading ri = ReadArchiveFile(interval, 1, 3, 0, 0);
    EXPECT_EQ(ri.StepMinutes, 10);
    ASSERT_EQ(ri.Count(), 2u);
    EXPECT_NEAR(ri.Times[1], At(15, 10, 10), 1e-9);
}

TEST(ReadArchiveFile, FindsTheFirstBlockWithTheIdAfterOthers) {
    TempDir dir;
    ArchiveBlockSpec other = FixtureBlock(1, At(15, 10), kHourStep, {9, 9, 9, 9});
    ArchiveBlockSpec wanted = FixtureBlock(2, At(15, 10), kHourStep, {4});
    ArchiveBlockSpec duplicate = FixtureBlock(2, At(15, 10), kHourStep, {5});
    std::string file = WriteArchiveFixture(
        dir, "a.HNS", FixtureFile(true, true, true, At(20, 0), {other, wanted, duplicate}));
    EXPECT_EQ(ReadArchiveFile(file, 2, 0, 0, 0).Values, (std::vector<double>{4}));
    EXPECT_EQ(ReadArchiveFile(file, 3, 0, 0, 0).Count(), 0u);
    EXPECT_EQ(ReadArchiveFile(dir / "missing.HNS", 2, 0, 0, 0).Count(), 0u);
}

TEST(ReadArchiveFile, NoValueRecordsArePassedOnAsNoValue) {
    TempDir dir;
    ArchiveBlockSpec b = FixtureBlock(1, At(15, 10), kHourStep, {1.5f, 1e-30f});
    b.Records.push_back(ArchiveRecordSpec{0x80, 0xFFFFFFFFu});
    ArchiveReading r = ReadArchiveFile(WriteOneBlock(dir, "a.HNS", true, b), 1, 0, 0, 0);
    EXPECT_EQ(r.Values, (std::vector<double>{1.5, NoValue, NoValue}));
    EXPECT_EQ(r.Statuses[2], 0x80);
}

TEST(ReadArchiveFile, OldLayoutGivesNoRecords) {
    TempDir dir;
    std::string file = WriteArchiveFixture(
        dir, "o.HNS",
        FixtureFile(true, false, false, At(20, 0), {FixtureBlock(1, At(15, 10), kHourStep, {1})}));
    EXPECT_EQ(ReadArchiveFile(file, 1, 0, 0, 0).Count(), 0u);
}

TEST(ReadArchiveFile, BcdBlockWithMoreRecordsThanItsDepthDatesThemAll) {
    TempDir dir;
    for (uint16_t depth : {0, 2}) {
        ArchiveBlockSpec b = FixtureBlock(1, At(15, 10), kHourStep, {1, 2, 3, 4});
        b.Depth = depth;
        ArchiveReading r = ReadArchiveFile(WriteOneBlock(dir, "a.HNS", true, b), 1, 0, 0, 0);
        ASSERT_EQ(r.Count(), 4u) << depth;
        EXPECT_DOUBLE_EQ(r.Times.front(), At(15, 7));
        EXPECT_DOUBLE_EQ(r.Times.back(), At(15, 10));
    }
}

TEST(ReadArchiveFile, ForgedCountsAndShortFiles) {
    TempDir dir;
    ArchiveBlockSpec b = FixtureBlock(2, At(15, 10), kHourStep, {1, 2});
    ArchiveFileSpec spec = FixtureFile(true, false, true, At(20, 0), {b});

    ArchiveFileSpec negative = spec;
    negative.Blocks[0].RecordCount = -5;
    EXPECT_EQ(ReadArchiveFile(WriteArchiveFixture(dir, "n.HNS", negative), 2, 0, 0, 0).Count(), 0u);
    ArchiveFileSpec noBlocks = spec;
    noBlocks.BlockCount = -1;
    EXPECT_EQ(ReadArchiveFile(WriteArchiveFixture(dir, "nb.HNS", noBlocks), 2, 0, 0, 0).Count(),
              0u);

    struct Case {
        const char* what;
        ArchiveFileSpec spec;
    } failing[] = {
        {"huge record count", spec},
        {"huge block count, other id", spec},
        {"records cut off", spec},
        {"headers cut off", spec},
    };
    failing[0].spec.Blocks[0].RecordCount = 0x7FFFFFFF;
    failing[1].spec.BlockCount = 0x7FFFFFFF;
    failing[1].spec.Blocks[0].BlockId = 9;
    std::vector<size_t> cut = {SIZE_MAX, SIZE_MAX, 32 + 88 + 12, 20};
    for (size_t i = 0; i < std::size(failing); ++i) {
        std::string file = WriteTruncatedFixture(dir, "f.HNS", failing[i].spec, cut[i]);
        EXPECT_THROW(ReadArchiveFile(file, 2, 0, 0, 0), ArchiveReadError) << failing[i].what;
    }
}
}  // namespace
