// Tasks: checks against their algorithm, parameter records, texts and the error report.
#include <gtest/gtest.h>

#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/tasks/param.h"
#include "platform/codepage.h"
#include "support/model_db.h"

namespace {

class TasksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db.Add(MakeAlg(0x0105, "Суточный архив",
                       {ReferenceRecord(10, "Ссылка", 2, 1, 1), ValueRecord(11, "Значение", 2),
                        TextRecord(12, "Текст", 8)}));
        db.Add(MakeMod(0x0701, "M", {{0x0105, 5}}));
        db.AddTemplate(0x0701, TskFile{});
        ASSERT_TRUE(db.Open());
        std::vector<uint16_t> numbers = {0x0105};
        std::vector<bool> flags;
        ASSERT_TRUE(lib.Load(db.Root(), numbers, flags, true));
        alg = lib.FindByNumber(0x0105);
    }
    void TearDown() override { DestroyConfigDb(); }

    static TaskRecord Record(uint8_t flags, uint16_t paramCount) {
        TaskRecord r;
        r.Name = Utf8ToSys("Задача");
        r.ShortName = "T1";
        r.AlgNumber = 0x0105;
        r.Flags = flags;
        r.ParamCount = paramCount;
        return r;
    }
    static ParamRecord Param(uint16_t internal, uint16_t v1) {
        ParamRecord p;
        p.Name = Utf8ToSys("Параметр");
        p.InternalNumber = internal;
        p.Value1 = v1;
        return p;
    }

    FixtureDb db;
    TSpisAlg lib;
    const TAlgoritms* alg = nullptr;
};

std::vector<std::string> Utf8(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        out.push_back(SysToUtf8(l));
    return out;
}

TEST_F(TasksTest, MissingAlgorithmDropsEveryRecord) {
    TParam task(Record(1, 2), nullptr);
    EXPECT_EQ(task.LoadParamRecord(Param(10, 1), true), std::make_pair(0, -1));
    EXPECT_EQ(task.LoadParamRecord(Param(11, 1), false), std::make_pair(0, -1));
    EXPECT_EQ(task.EntryCount(), 0);
    EXPECT_EQ(Utf8(task.Errors()),
              (std::vector<std::string>{
                  "В BD_Zemra отсутствует описание алгоритма 0105",
                  "В задаче присутствует параметр Параметр внутренний номер 10 который "
                  "отсутствует в описании алгоритма ",
                  "В задаче присутствует параметр Параметр внутренний номер 11 который "
                  "отсутствует в описании алгоритма "}));
    std::vector<std::string> report;
    task.AppendReport(report);
    EXPECT_EQ(SysToUtf8(report.at(0)), "Задача Задача / T1 алгоритм 0105 ");
    EXPECT_EQ(report.size(), 4u);
}

TEST_F(TasksTest, DisabledTaskRecordsOnlyTheMissingAlgorithm) {
    TParam task(Record(0, 2), nullptr);
    task.LoadParamRecord(Param(10, 1), true);
    EXPECT_EQ(task.Errors().size(), 1u);
    EXPECT_FALSE(task.HasErrors());
    std::vector<std::string> report;
    task.AppendReport(report);
    EXPECT_TRUE(report.empty());
}

TEST_F(TasksTest, RecordsMergeByInternalNumberAndMissingOnesAreReported) {
    TParam task(Record(1, 2), alg);
    EXPECT_TRUE(task.Errors().size() == 1u);  // 2 declared, 3 in the algorithm
    EXPECT_EQ(task.LoadParamRecord(Param(11, 7), true), std::make_pair(0, -1));
    EXPECT_EQ(task.LoadParamRecord(Param(11, 9), false), std::make_pair(0, -1));
    EXPECT_EQ(task.EntryCount(), 1);
    EXPECT_EQ(task.Value1(0), 9);
    EXPECT_EQ(task.LoadParamRecord(Param(12, 0), false), std::make_pair(1, 8));
    EXPECT_EQ(
        Utf8(task.Errors()),
        (std::vector<std::string>{"Количество параметров в задаче и алгоритме не совпадают",
                                  "В задаче отсутствует параметр Ссылка внутренний номер 10"}));
    EXPECT_EQ(task.Value1(5), 0xFFFF);
    EXPECT_EQ(task.EntryShortName(-1), "");
}

TEST_F(TasksTest, ResetFromAlgorithmGivesDefaultEntries) {
    TParam task(Record(1, 3), alg);
    EXPECT_EQ(task.ResetFromAlgorithm(), 3);
    EXPECT_EQ(task.Value1(0), 0xFFFF);
    EXPECT_EQ(task.FormatCode(0), 0x1122);
    EXPECT_EQ(task.FormatCode(1), 0x1000);
    EXPECT_TRUE(task.IsReference(0));
    EXPECT_EQ(task.ArchiveKind(0), 2);
    EXPECT_TRUE(task.IsTextEntry(2));
    EXPECT_EQ(task.FindReference(0xFFFF, -1, 0), 0);
    EXPECT_EQ(task.FindReference(0xFFFF, 0, 0), -1);  // the reference has no access flag
    EXPECT_EQ(task.FindReference(0xFFFF, 1, 0), 0);
    EXPECT_TRUE(task.Errors().empty());
}

TEST_F(TasksTest, LongNamesAreCutWhenEntriesAreMade) {
    std::string name51(51, 'N');
    FixtureDb other;
    AlgParamRecord r = ValueRecord(1, "", 2);
    r.Name = name51;
    other.Add(MakeAlg(0x0106, "x", {r}));
    other.Add(MakeMod(0x0701, "M", {}));
    other.AddTemplate(0x0701, TskFile{});
    ASSERT_TRUE(other.Open());
    TAlgoritms longAlg("0106", true);
    ASSERT_EQ(longAlg.Param(0).Name.size(), 51u);
    TParam task(Record(1, 1), &longAlg);
    task.ResetFromAlgorithm();
    EXPECT_EQ(task.Entries()[0].Name.size(), 50u);
}

TEST_F(TasksTest, SetTextReusesFreeSlots) {
    TParam task(Record(1, 3), alg);
    task.ResetFromAlgorithm();
    task.SetText("A", -1);
    task.SetText("*", -1);  // a free slot
    EXPECT_EQ(task.SetText("C", 2), 1);
    EXPECT_EQ(task.SetText("D", -1), 2);
    EXPECT_EQ(task.GetText(1), "C");
    EXPECT_EQ(task.Value1(2), 1);
    EXPECT_EQ(task.Value2(2), 0);
    EXPECT_EQ(task.GetText(7), "");
}

TEST_F(TasksTest, SavingWritesByte67AsZeroAndTheEntryCount) {
    TaskRecord in = Record(1, 3);
    in.Byte67 = 5;
    in.Word64 = 0x1111;
    in.Dword72 = 0x22222222;
    TParam task(in, alg);
    task.ResetFromAlgorithm();
    TaskRecord out;
    EXPECT_EQ(task.SaveTaskRecord(out), 3);
    EXPECT_EQ(out.Byte67, 0);
    EXPECT_EQ(out.Word64, 0x1111);
    EXPECT_EQ(out.Dword72, 0x22222222u);
    EXPECT_EQ(out.ParamCount, 3);
    ParamRecord p;
    EXPECT_EQ(task.SaveParamRecord(0, p), std::make_pair(1, -1));
    EXPECT_EQ(p.ArchiveKind, 2u);
    EXPECT_EQ(task.SaveParamRecord(2, p), std::make_pair(3, 8));
    EXPECT_EQ(task.SaveParamRecord(3, p), std::make_pair(-1, -1));
}

}  // namespace
