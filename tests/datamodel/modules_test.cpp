// Module descriptions: loading with their algorithms, missing pieces and lookups.
#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/modules/modul.h"
#include "platform/codepage.h"
#include "support/model_db.h"

namespace {

std::vector<std::string> Utf8(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        out.push_back(SysToUtf8(l));
    return out;
}

class ModulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<AlgParamRecord> counted;
        for (int i = 0; i < 32; ++i)
            counted.push_back(ValueRecord(static_cast<uint16_t>(i + 1), "v", 4));
        db.Add(MakeAlg(0x0101, "Часовой", {ValueRecord(1, "v", 2), ReferenceRecord(2, "r", 1)}));
        db.Add(MakeAlg(0x0102, "Месячный", {ReferenceRecord(1, "r", 0), TextRecord(2, "t", 4), [] {
                                                AlgParamRecord r = ReferenceRecord(3, "m", 3);
                                                r.ItemCount = 12;
                                                return r;
                                            }()}));
        db.Add(MakeAlg(0x0103, "32", counted));
        db.Add(MakeMod(0x0701, "Модуль", {{0x0101, 1}, {0x0102, 2}, {0x0103, 3}}));
        db.Add(MakeMod(0x0702, "Пустой", {}));
        db.Add(MakeMod(0x0703, "Неполный", {{0x0101, 1}, {0x0105, 5}, {0x0102, 2}}));
        db.AddTemplate(0x0701, TskFile{});
    }
    void TearDown() override { DestroyConfigDb(); }
    FixtureDb db;
    TSpisAlg lib;
};

TEST_F(ModulesTest, LoadsEntriesAlgorithmsAndLimits) {
    TModul mod(&lib);
    ASSERT_TRUE(mod.Load(0x0701, "", db.Root()));
    EXPECT_EQ(SysToUtf8(mod.ModuleName()), "Модуль");
    EXPECT_EQ(mod.AlgEntries().size(), 3u);
    EXPECT_EQ(mod.InternalOf(0x0102), 2);
    EXPECT_EQ(mod.InternalOf(0x0999), 0xFFFF);
    EXPECT_EQ(mod.FullAlgs(), (std::vector<uint16_t>{0x0103}));
    EXPECT_EQ(mod.AreaLimit(1), 0x2000);
    EXPECT_EQ(mod.AreaTableValue(1, 1), 0x20000u);
    EXPECT_EQ(mod.ArchiveKindOf(0x0102), 3);
    EXPECT_NE(mod.Algorithm(0x0101), nullptr);
    EXPECT_FALSE(mod.HasErrors());

    const std::pair<int, bool> kinds[] = {{-1, true}, {0, true}, {1, false}, {2, true}, {4, false}};
    for (auto [kind, has] : kinds)
        EXPECT_EQ(mod.HasArchiveKind(kind), has) << kind;

    ArchiveParamFind first = mod.FindArchiveParam(0);
    EXPECT_TRUE(first.Found);
    EXPECT_EQ(first.AlgNumber, 0x0101);
    EXPECT_EQ(first.NextStart, 1);
    ArchiveParamFind second = mod.FindArchiveParam(first.NextStart);
    EXPECT_EQ(second.AlgNumber, 0x0102);
    EXPECT_EQ(second.ItemCount, 12);
    EXPECT_FALSE(mod.FindArchiveParam(second.NextStart).Found);
    EXPECT_EQ(mod.FindArchiveParam(second.NextStart).NextStart, -1);
}

TEST_F(ModulesTest, EmptyAlgorithmListLoads) {
    TModul mod(&lib);
    EXPECT_TRUE(mod.Load(0x0702, "", db.Root()));
    EXPECT_TRUE(mod.AlgEntries().empty());
    EXPECT_EQ(lib.Count(), 0u);
}

TEST_F(ModulesTest, MissingAlgorithmKeepsTheEntryWithNumberFFFF) {
    TModul mod(&lib);
    EXPECT_FALSE(mod.Load(0x0703, "", db.Root()));
    EXPECT_EQ(Utf8(mod.ModuleErrors()),
              (std::vector<std::string>{"Модуль 0703 Неполный", "В каталоге " + db.Root(),
                                        "отсутствует алгоритм 0105.ALG"}));
    ASSERT_EQ(mod.AlgEntries().size(), 3u);
    EXPECT_EQ(mod.AlgEntries()[0].AlgNumber, 0x0101u);
    EXPECT_EQ(mod.AlgEntries()[1].AlgNumber, 0xFFFFu);
    EXPECT_EQ(mod.AlgEntries()[2].AlgNumber, 0x0102u);
}

TEST_F(ModulesTest, UnreadableAlgorithmFailsTheModule) {
    auto bytes = EncodeAlgFile(MakeAlg(0x0104, "x", {ValueRecord(1, "v", 2)}));
    bytes.resize(bytes.size() - 1);
    db.WriteBytes("ALG/0104.alg", bytes);
    db.Add(MakeMod(0x0704, "M", {{0x0104, 4}}));
    TModul mod(&lib);
    EXPECT_FALSE(mod.Load(0x0704, "", db.Root()));
    EXPECT_EQ(mod.AlgEntries()[0].AlgNumber, 0xFFFFu);
    EXPECT_EQ(SysToUtf8(mod.ModuleErrors().back()), "отсутствует алгоритм 0104.ALG");
    EXPECT_FALSE(mod.HasAlgorithm(0x0104));
}

TEST_F(ModulesTest, MissingDescriptionAndDamagedOne) {
    db.Add([] {
        ModFile m = MakeMod(0x0705, "M", {{0x0101, 1}});
        m.Header.AlgCount = 40000;
        return m;
    }());
    TModul mod(&lib);
    EXPECT_FALSE(mod.Load(0x0799, "MODS", db.Root()));
    EXPECT_EQ(Utf8(mod.ModuleErrors()),
              (std::vector<std::string>{"В каталоге MODS", "Отсутствует описание модуля 0799"}));
    EXPECT_FALSE(mod.Load(0x0705, "", db.Root()));
    EXPECT_EQ(mod.AlgEntries().size(), 1u);
    EXPECT_EQ(SysToUtf8(mod.ModuleErrors().at(0)), "Нарушена структура файла \"0705.mod\"");
}

TEST_F(ModulesTest, NumberOfInternalReportsOnlyRealNumbers) {
    TModul mod(&lib);
    ASSERT_TRUE(mod.Load(0x0701, "", db.Root()));
    EXPECT_EQ(mod.NumberOfInternal(2, true), 0x0102);
    EXPECT_EQ(mod.NumberOfInternal(0xFFFF, true), 0xFFFF);
    EXPECT_FALSE(mod.HasErrors());
    EXPECT_EQ(mod.NumberOfInternal(0x0042, true), 0xFFFF);
    EXPECT_EQ(mod.NumberOfInternal(0x0043, true), 0xFFFF);
    ASSERT_EQ(mod.ModuleErrors().size(), 1u);
    EXPECT_EQ(SysToUtf8(mod.ModuleErrors()[0]),
              "В описании модуля отсутствует алгоритм с внутренним номером 0043");
}

TEST_F(ModulesTest, ReadHeaderGivesNumberAndName) {
    ASSERT_TRUE(db.Open());
    auto info = TModul::ReadHeader("0702");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->ModuleNumber, 0x0702);
    EXPECT_EQ(SysToUtf8(info->ModuleName), "Пустой");
    EXPECT_FALSE(TModul::ReadHeader("0799"));
}

}  // namespace
