// The controller-side image: timer-group pointers, parameter packing, the flexible table and
// the round trip through the decoder.
#include "datamodel/queue_fixture.h"

#include "model/binary/le_fields.h"

namespace {

std::vector<ImageGroup> Groups(const std::vector<uint8_t>& bytes) {
    std::vector<ImageGroup> groups;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
        groups.push_back({bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]});
    return groups;
}

// Hands the image of `from` to `to` group by group, as the reading from a controller does.
void Transfer(const Task_CL& from, Task_CL& to) {
    const TaskAreaImage& image = from.Image();
    for (int i = 0; i < 5; ++i)
        to.SetGroupStart(i, image.GroupStart[i]);
    for (const auto& g : Groups(image.TaskTable))
        if (to.DecodeTaskGroup(g) == 0)
            break;
    int flex = -1;
    for (const auto& g : Groups(image.ParamArea))
        if ((flex = to.DecodeParamGroup(g)) >= 0)
            break;
    if (flex > 0)
        for (const auto& g : Groups(image.FlexTable))
            if (to.DecodeFlexGroup(g))
                break;
}

TEST_F(QueueTest, GroupStartsOfEmptyGroupsTakeTheNextOne) {
    auto q = Queue();
    Add(*q, kService, 1);
    Add(*q, kService, 1);
    Add(*q, kService, 3);
    q->BuildImage(true, true);
    const auto& image = q->Image();
    EXPECT_EQ(std::vector<uint16_t>(image.GroupStart, image.GroupStart + 5),
              (std::vector<uint16_t>{0, 8, 8, 12, 12}));
    ASSERT_EQ(image.TaskTable.size(), 16u);
    EXPECT_EQ(GetU32(image.TaskTable.data(), 12), 0xFFFFFFFFu);
    EXPECT_EQ(q->GroupOfOffset(0), 1);
    EXPECT_EQ(q->GroupOfOffset(8), 3);
    EXPECT_EQ(q->GroupOfOffset(40), 5);
}

TEST_F(QueueTest, ParameterAreaIsOneStreamPaddedToGroups) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly);
    a.SetValue1(0, 0x0123);
    a.SetValue1(1, 0xAB);
    a.SetValue1(2, 0xBEEF);
    a.SetText("XY", 3);
    Add(*q, kService);
    q->BuildImage(true, true);
    const auto& image = q->Image();
    const std::vector<uint8_t> expected = {0x23, 0x01, 0xAB, 0xEF, 0xBE, 'X',
                                           'Y',  0,    0,    0,    0xFF, 0xFF};
    ASSERT_EQ(image.ParamArea.size(), 12u);
    EXPECT_EQ(image.ParamArea, expected);
    EXPECT_EQ(GetU16(image.TaskTable.data(), 0), 1);   // internal number of the hourly algorithm
    EXPECT_EQ(GetU16(image.TaskTable.data(), 6), 10);  // the second task's values start at 10
    EXPECT_TRUE(image.ParamAreaFits);
}

TEST_F(QueueTest, FlexibleTableDescribesEveryReferencedNumber) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly);
    a.SetValue1(0, 0x0102);  // bank 1, format 1/2
    a.SetValue2(0, 1);
    TParam& d = Add(*q, kDaily);
    d.SetValue1(0, 0x0200);  // second page
    d.SetValue2(0, 0);
    d.SetValue1(2, 0x0100);  // a single flag in bank 0
    d.SetValue2(2, 0);
    q->BuildImage(true, true);
    const auto& t = q->Image().FlexTable;
    // Two pages: offsets 4 and 4 + 3 descriptors * 4.
    EXPECT_EQ(GetU16(t.data(), 0), 4);
    EXPECT_EQ(GetU16(t.data(), 2), 16);
    // 0x0100: flag byte at the start of bank 0, bit 0.
    EXPECT_EQ(GetU32(t.data(), 4), 0x1000u | (16u << 16) | (0x06u << 24));
    EXPECT_EQ(GetU32(t.data(), 8), 0u);  // 0x0101: nothing refers to it
    // 0x0102: 4-byte value (type 0x92) at the start of bank 1 (address 0x20000).
    EXPECT_EQ(t[12], 0x00);
    EXPECT_EQ(t[13], 0x00);
    EXPECT_EQ(t[14], 64 + 4);
    EXPECT_EQ(t[15], (1 * 4 + 2) | (2 << 4));
    // 0x0200: bank 0 after the flag byte.
    EXPECT_EQ(GetU16(t.data(), 16), 0x1001);
}

TEST_F(QueueTest, EmptyFlexibleTableIsOneGroup) {
    auto q = Queue();
    Add(*q, kService);
    q->BuildImage(true, true);
    EXPECT_EQ(q->Image().FlexTable, (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(q->MaxReference(0x0100, 0, false), 0x00FF);
}

TEST_F(QueueTest, ImageRoundTripGivesBackTheEnabledTasks) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly, 1);
    a.SetValue1(0, 0x0105);
    a.SetValue2(0, 1);
    a.SetValue1(1, 0x42);
    a.SetValue1(2, 0x1234);
    a.SetText(Utf8ToSys("Котёл"), 3);
    TParam& d = Add(*q, kDaily, 2);
    d.SetValue1(0, 0x0106);
    d.SetValue2(0, 3);
    d.SetValue1(2, 0x0230);
    d.SetValue2(2, 2);
    d.SetText("ABCDEFGH", 1);
    TParam& s = Add(*q, kService, 4);
    s.SetValue1(0, 0x00F0);  // below the task area: no descriptor covers it
    q->BuildImage(true, true);

    auto fresh = Queue();
    Transfer(*q, *fresh);
    EXPECT_EQ(fresh->DecodeMessage(), "");
    ASSERT_EQ(fresh->TaskCount(), 23);
    for (int i = 20; i < 23; ++i) {
        const TParam& x = *q->TaskAt(i);
        const TParam& y = *fresh->TaskAt(i);
        EXPECT_TRUE(y.Enabled());
        EXPECT_EQ(y.Group(), x.Group());
        EXPECT_EQ(y.AlgNumber(), x.AlgNumber());
        ASSERT_EQ(y.EntryCount(), x.EntryCount());
        for (int e = 0; e < x.EntryCount(); ++e) {
            if (x.IsTextEntry(e)) {
                EXPECT_EQ(y.GetText(y.Value1(e)), x.GetText(x.Value1(e)));
                continue;
            }
            EXPECT_EQ(y.Value1(e), x.Value1(e)) << i << "/" << e;
            EXPECT_EQ(y.Value2(e), x.Value2(e)) << i << "/" << e;
            if (x.IsReference(e) && x.Value1(e) >= 0x0100) {
                EXPECT_EQ(y.FormatCode(e) & 0x3300, x.FormatCode(e) & 0x3300) << i << "/" << e;
            }
        }
    }
    EXPECT_EQ(fresh->TaskAt(22)->FormatCode(0), 0x3033);
    fresh->BuildImage(true, true);
    fresh->ComputeId();
    q->ComputeId();
    EXPECT_EQ(fresh->QueueId(), q->QueueId());
}

TEST_F(QueueTest, DamagedFlexibleTablesEndDecodingWithTheirMessages) {
    auto q = Queue();
    TParam& a = Add(*q, kHourly);
    a.SetValue1(0, 0x0102);
    TParam& d = Add(*q, kDaily);
    d.SetValue1(0, 0x0201);
    q->BuildImage(true, true);

    struct Case {
        size_t at;
        uint16_t value;
        std::string message;
    } cases[] = {
        {0, 0xFFFF, "Смещение в данных (группа 0) в таблице описателей гибких параметров=FFFF"},
        {2, 0xFFFF, "Смещение в данных (группа 1) в таблице описателей гибких параметров=FFFF"},
        {2, 0x0100, "Выход за границы области смотри протокол обмена"}};
    for (const auto& c : cases) {
        auto fresh = Queue();
        TaskAreaImage image = q->Image();
        PutU16(image.FlexTable.data(), c.at, c.value);
        for (int i = 0; i < 5; ++i)
            fresh->SetGroupStart(i, image.GroupStart[i]);
        for (const auto& g : Groups(image.TaskTable))
            if (fresh->DecodeTaskGroup(g) == 0)
                break;
        int flex = -1;
        for (const auto& g : Groups(image.ParamArea))
            if ((flex = fresh->DecodeParamGroup(g)) >= 0)
                break;
        ASSERT_GT(flex, 0);
        for (const auto& g : Groups(image.FlexTable))
            if (fresh->DecodeFlexGroup(g))
                break;
        EXPECT_EQ(SysToUtf8(fresh->DecodeMessage()), c.message);
    }
}

TEST_F(QueueTest, UnknownInternalNumberEndsTheTaskTable) {
    auto q = Queue();
    EXPECT_EQ(q->DecodeTaskGroup({0x42, 0x00, 0, 0}), 0);
    ASSERT_EQ(q->Report().size(), 0u);
    EXPECT_EQ(SysToUtf8(q->Module().ModuleErrors().at(0)),
              "В описании модуля отсутствует алгоритм с внутренним номером 0042");
    EXPECT_EQ(q->DecodeParamGroup({0, 0, 0, 0}), 0);  // nothing announced: nothing more to read
}

TEST_F(QueueTest, ShortNamesArriveInPieces) {
    auto q = Queue();
    Add(*q, kService);
    Add(*q, kService);
    std::string log;
    const uint8_t abcd[] = {'A', 'B', 'C', 'D'}, efgh[] = {'E', 'F', 'G', 'H'};
    EXPECT_TRUE(q->SetShortNamePiece(0, 4, abcd, log));
    EXPECT_EQ(log, "index=0 dl=4 k8=2 n=0 k=0        :ABCD    :");
    EXPECT_TRUE(q->SetShortNamePiece(1, 4, efgh, log));
    EXPECT_EQ(q->TaskShortName(20), "ABCDEFGH");
    EXPECT_TRUE(q->SetShortNamePiece(2, 4, efgh, log));
    EXPECT_FALSE(q->SetShortNamePiece(3, 4, abcd, log));  // last piece of the last task
    EXPECT_EQ(q->TaskShortName(21), "EFGHABCD");
    EXPECT_FALSE(q->SetShortNamePiece(4, 4, abcd, log));  // past the list
    EXPECT_FALSE(q->SetShortNamePiece(0, 0, abcd, log));  // a zero piece length is refused
    EXPECT_EQ(SysToUtf8(q->DecodeMessage()),
              "ошибки перекодировки области задач, смотри протокол обмена");
}

}  // namespace
