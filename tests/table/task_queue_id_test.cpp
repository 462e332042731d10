// The controller's task-queue identifier against the stored queue and Common/realId, and
// accepting the controller's identifier.
#include <gtest/gtest.h>

#include "model/queue/tsk_file.h"
#include "output/reading/task_queue_id.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "support/temp_dir.h"

namespace {

// A module directory with a task queue of identifier A1B2C3D4h (shown "D4 C3 B2 A1 ") and a
// link file holding a Link section and, when given, realId.
class QueueIdCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        TskFile queue;
        queue.Header.IdFlags = 15;
        queue.Header.IdTable[0] = 0xA1B2C3D4;
        const std::vector<uint8_t> bytes = EncodeTskFile(queue);
        dir.WriteFile("07A1_1234.tsk", std::string(bytes.begin(), bytes.end()));
        link = dir.WriteFile("07A1_1234.ini", "[Common]\nVS=0\n\n[Link]\nType=ltUDP\nPort=4001\n");
    }
    void SetRealId(const std::string& id) {
        IniFile ini(link);
        ini.WriteString(kSecCommon, kKeyRealId, id);
        ASSERT_TRUE(ini.Save());
    }
    TempDir dir;
    std::string link;
    std::string stored;
};

TEST_F(QueueIdCheck, MatchesTheQueueWithBlanksAndLetterCaseIgnored) {
    for (const char* device : {"D4C3B2A1", "D4 C3 B2 A1 ", "d4c3b2a1"}) {
        EXPECT_TRUE(CheckTaskQueueId(dir.Path(), device, stored)) << device;
        EXPECT_EQ(stored, "D4 C3 B2 A1 ");
    }
}

TEST_F(QueueIdCheck, AnotherIdentifierFallsBackToRealId) {
    EXPECT_FALSE(CheckTaskQueueId(dir.Path(), "11223344", stored));
    EXPECT_EQ(stored, "");  // realId consulted, and empty
    SetRealId("11 22 33 44");
    EXPECT_TRUE(CheckTaskQueueId(dir.Path(), "11223344", stored));
    EXPECT_EQ(stored, "11 22 33 44");
    EXPECT_FALSE(CheckTaskQueueId(dir.Path(), "55667788", stored));
    EXPECT_EQ(stored, "11 22 33 44");
}

TEST_F(QueueIdCheck, AnEmptyIdentifierNeverMatches) {
    SetRealId("");
    EXPECT_FALSE(CheckTaskQueueId(dir.Path(), "", stored));
    ASSERT_TRUE(DeleteFileAt(dir / "07A1_1234.tsk"));
    EXPECT_FALSE(CheckTaskQueueId(dir.Path(), "", stored));
}

TEST_F(QueueIdCheck, AcceptingWritesRealIdAndKeepsTheLinkSection) {
    ASSERT_TRUE(AcceptDeviceId(dir.Path(), "11223344"));
    const IniFile ini(link);
    EXPECT_EQ(ini.ReadString(kSecCommon, kKeyRealId, ""), "11223344");
    EXPECT_EQ(ini.ReadString(kSecCommon, kKeyVS, ""), "0");
    EXPECT_EQ(ini.ReadString("Link", "Port", ""), "4001");
    EXPECT_TRUE(CheckTaskQueueId(dir.Path(), "11 22 33 44", stored));
}

TEST_F(QueueIdCheck, AcceptingRefusesWhatIsNoIdentifierAndAModuleWithoutLinkFile) {
    for (const char* bad : {"", "   ", "11223344\nVS=1", "1122;44"})
        EXPECT_FALSE(AcceptDeviceId(dir.Path(), bad)) << bad;
    EXPECT_FALSE(IniFile(link).ValueExists(kSecCommon, kKeyRealId));
    ASSERT_TRUE(DeleteFileAt(link));
    EXPECT_FALSE(AcceptDeviceId(dir.Path(), "11223344"));
    EXPECT_FALSE(FileExists(link));
}

}  // namespace
