// Algorithm descriptors and the algorithm library over a real database directory.
#include <gtest/gtest.h>

#include "model/algorithms/alg_file.h"
#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "support/model_db.h"

namespace {

// A database with one module so that it is a complete tree; algorithms are added per test.
class AlgorithmsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db.Add(MakeMod(0x0701, "M", {}));
        db.AddTemplate(0x0701, TskFile{});
    }
    void TearDown() override { DestroyConfigDb(); }
    FixtureDb db;
};

std::vector<AlgParamRecord> CountedValues(int n) {
    std::vector<AlgParamRecord> params;
    for (int i = 0; i < n; ++i)
        params.push_back(ValueRecord(static_cast<uint16_t>(i + 1), "v", 4));
    return params;
}

TEST(AlgFile, HeaderAndRecordFieldsSitAtTheirOffsets) {
    std::vector<uint8_t> bytes(AlgHeaderSize + AlgParamRecordSize, 0);
    bytes[0] = 3;
    bytes[1] = 'A', bytes[2] = 'B', bytes[3] = 'C';
    bytes[49] = 200;  // a damaged length byte is bounded by the field
    bytes[58] = 0xA4, bytes[59] = 0x01;
    bytes[64] = 1;
    uint8_t* rec = bytes.data() + AlgHeaderSize;
    rec[2] = 0x34, rec[3] = 0x12;
    rec[56] = 5;
    rec[67] = 4;
    rec[68] = 2;
    rec[69] = 0x30;         // AFlag, archive kind 3
    rec[70] = 0x02 | 0x10;  // reference, format bits A = 1, B = 2
    rec[71] = 0x09;         // text, CKind 4
    MemoryStream s(bytes);
    AlgFile f;
    ASSERT_TRUE(ReadAlgFile(s, true, f));
    EXPECT_EQ(f.Header.Name, "ABC");
    EXPECT_EQ(f.Header.ShortName.size(), 8u);
    EXPECT_EQ(f.Header.Number, 0x01A4);
    TAlgParamDesc p = ParamDescFromRecord(f.Params.at(0));
    EXPECT_EQ(p.InternalNumber, 0x1234);
    EXPECT_EQ(p.ItemCount, 5);
    EXPECT_EQ(p.ItemSize, 4);
    EXPECT_EQ(p.ValueType, 0xC4);
    EXPECT_TRUE(p.AFlag);
    EXPECT_TRUE(p.IsReference);
    EXPECT_EQ(p.ArchiveKind, 3);
    EXPECT_EQ(p.FormatBitsA, 1);
    EXPECT_EQ(p.FormatBitsB, 2);
    EXPECT_TRUE(p.IsText);
    EXPECT_EQ(p.CKind, 4);
    EXPECT_TRUE(p.CKindIs4);
}

TEST(AlgFile, StoredTypeCodesAreTranslated) {
    const std::pair<uint8_t, uint8_t> cases[] = {{1, 0x81}, {2, 0xC4}, {3, 0x92},
                                                 {0, 0},    {7, 7},    {0x81, 0x81}};
    for (auto [stored, type] : cases)
        EXPECT_EQ(TranslateTypeCode(stored), type) << int(stored);
}

TEST(AlgFile, ArchiveKindOnlyFromReferences) {
    AlgParamRecord r = ReferenceRecord(1, "r", 3);
    EXPECT_EQ(ParamDescFromRecord(r).ArchiveKind, 3);
    r.FlagsB |= 1;  // no longer a reference
    EXPECT_EQ(ParamDescFromRecord(r).ArchiveKind, 0);
}

TEST(AlgFile, FormatCodeOfParameters) {
    struct Case {
        AlgParamRecord record;
        uint16_t code;
    } cases[] = {{ValueRecord(1, "v", 4), 0x1000},
                 {ReferenceRecord(1, "r"), 0x1222},
                 {ReferenceRecord(1, "r", 0, 3, 0), 0x3022},
                 {ReferenceRecord(1, "r", 0, 0, 1), 0x0122},
                 {ReferenceRecord(1, "r", 0, 2, 3), 0x2322}};
    for (const auto& c : cases)
        EXPECT_EQ(ParamFormatCode(ParamDescFromRecord(c.record)), c.code);
}

TEST_F(AlgorithmsTest, LoadsParametersArchiveKindAndDescription) {
    AlgFile f = MakeAlg(
        0x0105, "Часовой архив",
        {ReferenceRecord(1, "a", 3), ReferenceRecord(2, "b", 6), ValueRecord(3, "c", 2, 1)});
    f.Header.HasDescription = 1;
    f.Description = Utf8ToSys("Описание");
    db.Add(f);
    ASSERT_TRUE(db.Open());
    TAlgoritms alg("0105", true);
    EXPECT_EQ(alg.ErrorText(), "");
    EXPECT_EQ(SysToUtf8(alg.Name()), "Часовой архив");
    EXPECT_EQ(alg.Params().size(), 3u);
    EXPECT_EQ(alg.ArchiveKind(), 3);  // the kind-6 parameter does not count
    EXPECT_EQ(alg.Param(2).ValueType, 0x81);
    EXPECT_EQ(SysToUtf8(alg.Description()), "Описание");
    EXPECT_EQ(alg.IndexOfParam(2), 1);
    EXPECT_EQ(alg.IndexOfParam(9), -1);
    EXPECT_NE(alg.SourcePath().find("0105.alg"), std::string::npos);
}

TEST_F(AlgorithmsTest, Has32ValuesOnlyForExactlyThirtyTwoCountedValues) {
    for (int n : {31, 32, 33}) {
        auto params = CountedValues(n);
        params.push_back(ValueRecord(100, "no access flag", 4, 0, false));
        params.push_back(TextRecord(101, "text", 8));
        db.Add(MakeAlg(static_cast<uint16_t>(0x0200 + n), "x", params));
    }
    ASSERT_TRUE(db.Open());
    for (int n : {31, 32, 33})
        EXPECT_EQ(TAlgoritms(AlgFileName(0x0200 + n), true).Has32Values(), n == 32) << n;
    EXPECT_FALSE(TAlgoritms(AlgFileName(0x0200 + 32), false).Has32Values());
}

TEST_F(AlgorithmsTest, HeaderOnlyLoadKeepsTheCount) {
    db.Add(MakeAlg(0x0300, "x", CountedValues(10)));
    ASSERT_TRUE(db.Open());
    TAlgoritms alg("0300.ALG", false);
    EXPECT_TRUE(alg.Params().empty());
    EXPECT_EQ(alg.ParamCount(), 10);
}

TEST_F(AlgorithmsTest, TruncatedFileKeepsWhatWasRead) {
    auto bytes = EncodeAlgFile(MakeAlg(0x0301, "x", CountedValues(10)));
    bytes.resize(AlgHeaderSize + 4 * AlgParamRecordSize + 30);
    db.WriteBytes("ALG/0301.alg", bytes);
    ASSERT_TRUE(db.Open());
    TAlgoritms alg("0301.ALG", true);
    EXPECT_EQ(alg.Params().size(), 4u);
    EXPECT_EQ(SysToUtf8(alg.ErrorText()), "Нарушена структура файла \"0301.ALG\"");
}

TEST_F(AlgorithmsTest, ForgedCountsEndAtTheEndOfTheFile) {
    AlgFile f = MakeAlg(0x0302, "x", CountedValues(2));
    f.Header.ParamCount = 0xFFFF;
    db.Add(f);
    ASSERT_TRUE(db.Open());
    TAlgoritms alg("0302.ALG", true);
    EXPECT_EQ(alg.Params().size(), 2u);
    EXPECT_FALSE(alg.ErrorText().empty());
}

TEST_F(AlgorithmsTest, LibraryMarksLoadedNumbersAndReportsMissingOnes) {
    db.Add(MakeAlg(0x0101, "a", CountedValues(32)));
    db.Add(MakeAlg(0x0102, "b", CountedValues(1)));
    ASSERT_TRUE(db.Open());
    TSpisAlg lib;
    std::vector<std::string> errors;
    lib.OnError = [&](const std::string& e) { errors.push_back(e); };

    std::vector<uint16_t> numbers = {0x0102, 0x0101};
    std::vector<bool> flags;
    EXPECT_TRUE(lib.Load(db.Root(), numbers, flags, true));
    EXPECT_EQ(numbers, (std::vector<uint16_t>{0xFFFF, 0xFFFF}));
    EXPECT_EQ(flags, (std::vector<bool>{false, true}));
    EXPECT_EQ(lib.MinNumber(), 0x0101);
    EXPECT_EQ(lib.MaxNumber(), 0x0102);

    // Everything known already: nothing is read, the flags are copied.
    numbers = {0x0101, 0x0102};
    EXPECT_TRUE(lib.Load(db.Root(), numbers, flags, true));
    EXPECT_EQ(numbers, (std::vector<uint16_t>{0xFFFF, 0xFFFF}));
    EXPECT_EQ(flags, (std::vector<bool>{true, false}));
    EXPECT_EQ(lib.Count(), 2u);

    struct Case {
        std::vector<uint16_t> numbers;
        std::string error;
    } cases[] = {{{0x0A01}, "отсутствует алгоритм 0A01.ALG"},
                 {{0x0A02, 0x0101, 0x0A03}, "отсутствуют алгоритмы 0A02.ALG,0A03.ALG"}};
    for (auto& c : cases) {
        auto asked = c.numbers;
        EXPECT_FALSE(lib.Load(db.Root(), c.numbers, flags, true));
        EXPECT_EQ(SysToUtf8(lib.ErrorText()), c.error);
        for (size_t i = 0; i < asked.size(); ++i)
            EXPECT_EQ(c.numbers[i], asked[i] == 0x0101 ? 0xFFFF : asked[i]);
    }
    EXPECT_EQ(lib.FindByNumber(0x0A01), nullptr);
    EXPECT_EQ(errors.size(), 3u);  // each missing file fails to load as well
}

TEST_F(AlgorithmsTest, UnreadableDescriptorCountsAsMissing) {
    auto bytes = EncodeAlgFile(MakeAlg(0x0400, "x", CountedValues(3)));
    bytes.resize(AlgHeaderSize + 10);
    db.WriteBytes("ALG/0400.alg", bytes);
    ASSERT_TRUE(db.Open());
    TSpisAlg lib;
    std::vector<uint16_t> numbers = {0x0400};
    std::vector<bool> flags;
    EXPECT_FALSE(lib.Load(db.Root(), numbers, flags, true));
    EXPECT_EQ(numbers[0], 0x0400);
    EXPECT_EQ(SysToUtf8(lib.ErrorText()), "отсутствует алгоритм 0400.ALG");
    EXPECT_EQ(lib.FindByNumber(0x0400), nullptr);
}

}  // namespace
