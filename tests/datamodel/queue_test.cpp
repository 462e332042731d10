// Task queues: template plus saved file, saving, text records, identifiers and lookups.
#include "datamodel/queue_fixture.h"

#include "model/binary/le_fields.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path) {
    return ReadWholeFile(path).value_or(std::vector<uint8_t>{});
}

TEST_F(QueueTest, TemplateTasksComeFirstAndDisabled) {
    auto q = Queue();
    EXPECT_EQ(q->TaskCount(), 20);
    EXPECT_EQ(q->TemplateCount(), 20);
    EXPECT_TRUE(q->Report().empty());
    EXPECT_FALSE(q->TaskAt(0)->Enabled());
    EXPECT_EQ(q->TaskAt(0)->TaskIndex(), 0xFFFE);
    EXPECT_EQ(q->TaskAt(19)->TaskIndex(), 0xFFFE - 19);
    EXPECT_EQ(q->TaskAt(1)->GetText(q->TaskAt(1)->Value1(1)), std::string(8, ' '));
}

TEST_F(QueueTest, SavedTasksFollowTheTemplateNumberedInFileOrder) {
    TskFile saved;
    saved.Header.ModuleNumber = kModule;
    saved.Header.TaskCount = 3;
    for (int i = 0; i < 3; ++i) {
        saved.Tasks.push_back(DefaultTaskBlock(algs[0]));
        saved.Tasks.back().Task.Flags = 1;
        saved.Tasks.back().Task.TaskIndex = 77;
    }
    std::string path = db.Dir().Path() + "/saved.tsk";
    std::vector<uint8_t> bytes = EncodeTskFile(saved);
    WriteFileAtomic(path, bytes.data(), bytes.size());

    auto q = Queue(path);
    ASSERT_EQ(q->TaskCount(), 23);
    EXPECT_EQ(q->Header().TaskCount, 23);
    EXPECT_EQ(q->Files(), (std::vector<std::string>{path}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(q->TaskAt(20 + i)->Enabled());
        EXPECT_EQ(q->TaskAt(20 + i)->TaskIndex(), i);
    }
    EXPECT_EQ(q->NextTaskIndex(), 3);

    std::string out = db.Dir().Path() + "/out/again.tsk";
    ASSERT_TRUE(q->SaveToFile(out, false, true));
    EXPECT_EQ(GetU16(ReadBytes(out).data(), 124), 3);
    q->AllTasks = true;
    ASSERT_TRUE(q->SaveToFile(out, false, true));
    EXPECT_EQ(GetU16(ReadBytes(out).data(), 124), 23);
}

TEST_F(QueueTest, SaveAndReadGiveTheSameQueue) {
    auto q = Queue();
    TParam& hourly = Add(*q, kHourly);
    hourly.SetValue1(0, 0x0105);
    hourly.SetValue2(0, 1);
    hourly.SetValue1(1, 0x7F);
    hourly.SetValue1(2, 0x1234);
    hourly.SetText(Utf8ToSys("Котёл"), 3);
    hourly.SetShortName("H1");
    TParam& daily = Add(*q, kDaily, 2);
    daily.SetValue1(0, 0x0110);
    daily.SetText(Utf8ToSys("Длинный текст"), 1);
    TParam& service = Add(*q, kService, 3);
    service.SetValue1(0, 0xF028);
    q->SetQueueName(Utf8ToSys("Очередь"));
    q->Header().ModuleWord60 = 0x1234;

    std::string first = db.Dir().Path() + "/m/A1.mod";
    ASSERT_TRUE(q->SaveToFile(first, true, false));
    EXPECT_EQ(q->Files(), (std::vector<std::string>{db.Dir().Path() + "/m/A1_1234.tsk"}));
    EXPECT_TRUE(IdFlagsValid(q->Header().IdFlags));
    uint32_t id = q->QueueId();
    std::string second = db.Dir().Path() + "/m/B.tsk";
    ASSERT_TRUE(q->SaveToFile(second, false, true));
    EXPECT_EQ(ReadBytes(q->Files()[0]), ReadBytes(db.Dir().Path() + "/m/A1_1234.tsk"));

    auto back = Queue(second);
    ASSERT_EQ(back->TaskCount(), 23);
    EXPECT_TRUE(back->Report().empty()) << SysToUtf8(back->Report()[0]);
    EXPECT_EQ(back->QueueId(), id);
    EXPECT_EQ(SysToUtf8(back->QueueName()), "Очередь");
    EXPECT_TRUE(back->HasF028());
    for (int i = 0; i < 3; ++i) {
        const TParam& a = *q->TaskAt(20 + i);
        const TParam& b = *back->TaskAt(20 + i);
        EXPECT_EQ(b.AlgNumber(), a.AlgNumber());
        EXPECT_EQ(b.Name(), a.Name());
        EXPECT_EQ(b.ShortName(), a.ShortName());
        EXPECT_EQ(b.Group(), a.Group());
        ASSERT_EQ(b.EntryCount(), a.EntryCount());
        for (int e = 0; e < a.EntryCount(); ++e) {
            EXPECT_EQ(b.Entries()[e].InternalNumber, a.Entries()[e].InternalNumber);
            EXPECT_EQ(b.Entries()[e].FormatCode, a.Entries()[e].FormatCode);
            if (a.IsTextEntry(e))
                continue;
            EXPECT_EQ(b.Value1(e), a.Value1(e));
            EXPECT_EQ(b.Value2(e), a.Value2(e));
        }
    }
    // Texts come back padded or cut to their length.
    EXPECT_EQ(SysToUtf8(back->TaskAt(20)->GetText(back->TaskAt(20)->Value1(3))), "Котёл");
    EXPECT_EQ(SysToUtf8(back->TaskAt(21)->GetText(back->TaskAt(21)->Value1(1))), "Длинный ");
}

TEST_F(QueueTest, TextsAreSplitIntoRecordsOfFourCharacters) {
    ParamRecord base;
    base.InternalNumber = 9;
    struct Case {
        std::string text;
        int n;
        std::vector<std::string> pieces;
    } cases[] = {{"ABCDEFGH", 8, {"ABCD", "EFGH"}},
                 {"ABCDE", 5, {"ABCD", std::string("E\0\0\0", 4)}},
                 {"ABCDEFGHIJ", 5, {"ABCD", std::string("E\0\0\0", 4)}},
                 {"AB", 5, {"AB  ", std::string(" \0\0\0", 4)}}};
    for (const auto& c : cases) {
        auto records = SplitTextRecords(base, c.text, c.n);
        ASSERT_EQ(records.size(), c.pieces.size()) << c.text;
        for (size_t i = 0; i < records.size(); ++i) {
            uint8_t bytes[ParamRecordSize];
            EncodeParamRecord(records[i], bytes);
            EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes) + 62, 4), c.pieces[i]);
            EXPECT_EQ(records[i].InternalNumber, 9);
        }
    }
}

TEST_F(QueueTest, SummaryReadsOnlyTheHeader) {
    struct Case {
        uint16_t idFlags;
        std::string idText;
    } cases[] = {{0x001F, "78-56-34-12-"}, {0x000E, "00-00-00-00-"}};
    for (const auto& c : cases) {
        TskFile f;
        f.Header.QueueName = Utf8ToSys("Котельная");
        f.Header.ModuleNumber = 0x0B01;
        f.Header.IdFlags = c.idFlags;
        f.Header.IdTable[0] = 0x12345678;
        f.Header.TaskCount = 5;  // the tasks are not there: only the header is read
        std::string path = db.Dir().Path() + "/summary.tsk";
        auto bytes = EncodeTskFile(f);
        WriteFileAtomic(path, bytes.data(), bytes.size());
        Task_CL summary(path);
        ASSERT_EQ(summary.Report().size(), 4u);
        EXPECT_EQ(SysToUtf8(summary.Report()[0]), "Котельная");
        EXPECT_EQ(summary.Report()[1], "0B01");
        EXPECT_EQ(summary.Report()[2], c.idText);
        EXPECT_EQ(summary.Report()[3], path);
    }
}

TEST_F(QueueTest, IdentifierSumsAlgorithmsAndImageWords) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly);
    Add(*q, kDaily);
    q->BuildImage(true, true);
    q->ComputeId();
    EXPECT_EQ(q->QueueId() & 0xFFFF, 0x0500u);
    a.SetValue1(1, 1);
    q->BuildImage(true, true);
    uint32_t before = q->QueueId();
    q->ComputeId();
    // The byte value sits at offset 2: the low byte of the second word, weighted by 2.
    EXPECT_EQ((q->QueueId() >> 16) - (before >> 16), 2u);
    std::string dashed = q->IdText("-");
    std::erase(dashed, '-');
    EXPECT_EQ(q->IdText(""), dashed);
}

TEST_F(QueueTest, TargetNamesWithAndWithoutModuleSuffix) {
    auto q = Queue();
    q->Header().ModuleWord60 = 0x1234;
    EXPECT_EQ(q->TargetFileName("C:\\M\\A1.mod", true, false), "C:\\M\\A1_1234.tsk");
    EXPECT_EQ(q->TargetFileName("/m/A1.mod", false, false), "/m/A1.tsk");
    EXPECT_EQ(q->TargetFileName("/m/x.tsk", true, true), "/m/x.tsk");
    EXPECT_EQ(q->TargetFileName("/m/x.dat", true, true), "/m/x_1234.tsk");
    q->Header().ModuleWord60 = 0;
    EXPECT_EQ(q->TargetFileName("/m/A1.mod", true, false), "/m/A1.tsk");
}

TEST_F(QueueTest, DamagedSavedFileKeepsWhatWasRead) {
    auto q = Queue();
    Add(*q, kHourly);
    Add(*q, kDaily);
    std::string path = db.Dir().Path() + "/two.tsk";
    ASSERT_TRUE(q->SaveToFile(path, false, true));
    auto bytes = ReadBytes(path);
    bytes.resize(bytes.size() - 100);
    WriteFileAtomic(path, bytes.data(), bytes.size());
    auto back = Queue(path);
    EXPECT_EQ(back->TaskCount(), 22);
    ASSERT_FALSE(back->Report().empty());
    EXPECT_EQ(SysToUtf8(back->Report().back()), "Нарушена структура файла \"" + path + "\"");
}

TEST_F(QueueTest, LookupsOverTasksAndReferences) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly);
    a.SetValue1(0, 0x0120);
    TParam& b = Add(*q, kDaily);
    b.SetValue1(0, 0x0120);
    b.SetValue1(2, 0x0120);
    const uint16_t wanted[] = {kDaily, kService};
    int start = 0;
    uint16_t matched = 0;
    EXPECT_EQ(q->FindTaskByAlg(wanted, start, matched), 1);
    EXPECT_EQ(matched, kDaily);
    EXPECT_EQ(start, 2);

    QueueRef ref = q->FindInQueue(0x0120, 0);
    EXPECT_EQ(ref.Task, 20);
    EXPECT_EQ(ref.Entry, 0);
    std::vector<std::pair<int, int>> visited;
    for (QueueRef r{0, -1}; q->FindReferenceInQueue(0x0120, r);)
        visited.emplace_back(r.Task, r.Entry);
    EXPECT_EQ(visited, (std::vector<std::pair<int, int>>{{20, 0}, {21, 0}, {21, 2}}));

    EXPECT_EQ(q->CountArchiveTasks(-1), 7 + 7 + 2);  // template 7 hourly, 7 daily + 2 added
    EXPECT_EQ(q->CountArchiveTasks(2), 8);
    EXPECT_EQ(q->TaskAlgNumber(99), 0);
    EXPECT_EQ(q->TaskAt(-1), nullptr);

    std::vector<AlgParamSummary> list;
    EXPECT_EQ(q->ListTaskParams(kHourly, 20, true, false, false, list, 2), 1);
    EXPECT_EQ(list[0].EntryPosition, 0);
    EXPECT_EQ(q->ListTaskParams(kHourly, 20, true, false, false, list, 1), 1);
    // Format 2xxx does not admit kind 1; the flag reference (1xxx) does.
    EXPECT_EQ(q->ListTaskParams(kDaily, 21, true, false, false, list, 1), 1);
    EXPECT_EQ(q->ListTaskParams(kDaily, 21, true, false, false, list, 4), 2);
    EXPECT_EQ(q->ListTaskParams(kHourly, 20, false, true, true, list, 8), 4);

    q->RemoveEnabledTasks();
    EXPECT_EQ(q->TaskCount(), 20);
    EXPECT_EQ(q->NextTaskIndex(), 1);
}

}  // namespace
