// The in-memory null-modem pair: bytes, modem lines, break and the clock that moves on waits.
#include "comm/serial/fake_serial_port.h"

#include <gtest/gtest.h>

namespace {
TEST(FakeSerialPort, ModemLinesAndBreakShowAtTheOtherEnd) {
    FakeSerialPair pair = MakeFakeSerialPair();
    auto& a = *pair.a;
    auto& b = *pair.b;
    EXPECT_FALSE(b.Dcd() || b.Cts() || b.BreakSeen());
    a.SetDtr(true);
    EXPECT_TRUE(b.Dcd());
    EXPECT_FALSE(b.Cts());
    EXPECT_FALSE(a.Dcd());  // an end does not see its own lines
    a.SetRts(true);
    EXPECT_TRUE(b.Cts());
    a.SetDtr(false);
    EXPECT_FALSE(b.Dcd());
    EXPECT_TRUE(b.Cts());
    a.SetBreak(true);
    EXPECT_TRUE(b.BreakSeen());
    EXPECT_FALSE(a.BreakSeen());
    a.SetBreak(false);
    EXPECT_FALSE(b.BreakSeen());
    b.SetRts(true);
    b.SetDtr(true);
    EXPECT_TRUE(a.Cts());
    EXPECT_TRUE(a.Dcd());
}

TEST(FakeSerialPort, BytesCrossAndShortReadsRunOutTheirTimeOut) {
    FakeSerialPair pair = MakeFakeSerialPair();
    const uint8_t sent[] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(pair.a->Write(sent, sizeof sent, 100));
    EXPECT_EQ(pair.a->Pending(), 0u);
    EXPECT_EQ(pair.b->Pending(), 5u);
    uint8_t got[8] = {};
    EXPECT_EQ(pair.b->Read(got, 3, 50), 3);
    EXPECT_EQ(pair.clock->NowMs(), 0);  // a read that is served does not wait
    EXPECT_EQ(got[2], 3);
    EXPECT_EQ(pair.b->Read(got, 8, 50), 2);
    EXPECT_EQ(pair.clock->NowMs(), 50);
    EXPECT_EQ(got[1], 5);
    pair.b->Inject(sent, 2);
    pair.b->PurgeInput();
    EXPECT_EQ(pair.b->Read(got, 1, 20), 0);
    EXPECT_EQ(pair.clock->NowMs(), 70);
    pair.a->FailWrites = true;
    EXPECT_FALSE(pair.a->Write(sent, 1, 100));
    EXPECT_EQ(pair.b->Pending(), 0u);
}

TEST(FakeSerialPort, IdleHookAnswersBeforeTheReadGivesUp) {
    FakeSerialPair pair = MakeFakeSerialPair();
    const uint8_t answer[] = {0xE5};
    pair.a->OnIdle = [&] { pair.b->Write(answer, 1, 0); };
    uint8_t got = 0;
    EXPECT_EQ(pair.a->Read(&got, 1, 50), 1);
    EXPECT_EQ(got, 0xE5);
    EXPECT_EQ(pair.clock->NowMs(), 0);
}
}  // namespace
