// Checking archive files: signature rules, short files, kinds and header fields.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "model/flash/check_archive.h"
#include "platform/codepage.h"
#include "support/archive_fixture.h"

namespace {
TDateTime FileTime() {
    return EncodeDateTime(2024, 6, 15, 13, 45, 0);
}

ArchiveFileSpec WithSignature(double signature) {
    ArchiveFileSpec f = FixtureFile(false, false, true, FileTime(), {});
    f.Signature = signature;
    return f;
}

double NegativeWithByte0(uint8_t b) {
    return std::bit_cast<double>((std::bit_cast<uint64_t>(-2.5) & ~0xFFull) | b);
}

TEST(CheckArchiveFile, SignatureRules) {
    TempDir dir;
    struct Case {
        const char* what;
        double signature;
        bool valid, bcd;
    } cases[] = {
        {"zero: double times", 0.0, true, false},
        {"negative zero", -0.0, true, false},
        {"negative, byte 0 = 2: BCD without CRC", NegativeWithByte0(2), true, true},
        {"negative, byte 0 = 1: BCD with CRC mark", NegativeWithByte0(1), true, true},
        {"positive", 1.5, false, false},
        {"NaN", std::nan(""), false, false},
        {"negative NaN", -std::nan(""), false, false},
    };
    for (const Case& c : cases) {
        std::string file = WriteArchiveFixture(dir, "A_1.HNS", WithSignature(c.signature));
        ArchiveFileInfo info = CheckArchiveFile(file);
        EXPECT_EQ(info.Valid(), c.valid) << c.what;
        if (!c.valid) {
            EXPECT_EQ(SysToUtf8(info.Error), "Структура файла не соответствует требуемой: " + file)
                << c.what;
            continue;
        }
        EXPECT_EQ(info.Bcd, c.bcd) << c.what;
    }
}

TEST(CheckArchiveFile, GivesDecodedHeaderFields) {
    TempDir dir;
    for (bool bcd : {false, true}) {
        ArchiveFileSpec spec = FixtureFile(bcd, bcd, true, FileTime(), {}, 0xCAFE0001);
        spec.BlockCount = 7;
        ArchiveFileInfo info = CheckArchiveFile(WriteArchiveFixture(dir, "x.mns", spec));
        EXPECT_TRUE(info.Valid());
        EXPECT_EQ(info.Kind, 2);
        EXPECT_EQ(info.ModuleWord, 0x1234);
        EXPECT_EQ(info.ModuleNumber, 4);
        EXPECT_DOUBLE_EQ(info.FileTime, FileTime());
        EXPECT_EQ(info.BlockCount, 7);
        EXPECT_EQ(info.SeriesId, 0xCAFE0001u);
        EXPECT_EQ(info.Bcd, bcd);
    }
    ArchiveFileSpec old = FixtureFile(true, false, false, FileTime(), {}, 0xCAFE0001);
    EXPECT_EQ(CheckArchiveFile(WriteArchiveFixture(dir, "old.SNS", old)).SeriesId, 0u);
}

TEST(CheckArchiveFile, KindComesFromTheNameAnywhere) {
    TempDir dir;
    std::string plain = dir.WriteFile("notes.txt", "whatever");
    ArchiveFileInfo none = CheckArchiveFile(plain);
    EXPECT_EQ(none.Kind, -1);
    EXPECT_TRUE(none.Error.empty());
    EXPECT_FALSE(none.Valid());
    ArchiveFileSpec spec = FixtureFile(false, false, true, FileTime(), {});
    EXPECT_EQ(CheckArchiveFile(WriteArchiveFixture(dir, "a.pns.bak", spec)).Kind, 4);
    EXPECT_EQ(CheckArchiveFile(WriteArchiveFixture(dir, "a.ins", spec)).Kind, 3);
}

TEST(CheckArchiveFile, MissingAndShortFiles) {
    TempDir dir;
    std::string missing = dir / "gone.HNS";
    EXPECT_EQ(SysToUtf8(CheckArchiveFile(missing).Error), "Файл не существует: " + missing);

    ArchiveFileSpec spec = FixtureFile(false, false, true, FileTime(), {});
    for (size_t size : {0, 7, 16, 31}) {
        std::string file = WriteTruncatedFixture(dir, "short.HNS", spec, size);
        std::string error = SysToUtf8(CheckArchiveFile(file).Error);
        EXPECT_EQ(error.rfind(
                      "Невозможно прочитать файл возможно повреждена структура файла: " + file, 0),
                  0u)
            << size << ": " << error;
    }
    ArchiveFileSpec positive = WithSignature(4.0);
    std::string file = WriteTruncatedFixture(dir, "pos.HNS", positive, 20);
    EXPECT_EQ(SysToUtf8(CheckArchiveFile(file).Error),
              "Структура файла не соответствует требуемой: " + file);
}
}  // namespace
