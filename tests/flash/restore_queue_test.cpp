// Rebuilding a task queue from the demo flash directory against a fixture database.
#include <gtest/gtest.h>

#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/flash/demo_flash.h"
#include "model/flash/restore_queue.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "support/archive_fixture.h"
#include "support/model_db.h"

namespace {
AlgParamRecord ArchiveRef(uint8_t kind, uint16_t depth) {
    AlgParamRecord r = ReferenceRecord(10, "Архивируемый параметр", kind);
    r.ItemCount = depth;
    return r;
}

TskFile Template(uint16_t moduleNumber) {
    TskFile t;
    t.Header.ModuleNumber = moduleNumber;
    return t;
}

class RestoreQueueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db.Add(MakeAlg(0x0201, "Часовой архив", {ArchiveRef(1, 1536)}));
        db.Add(MakeAlg(0x0202, "Суточный архив", {ArchiveRef(2, 366)}));
        db.Add(MakeAlg(0x0203, "Месячный архив", {ArchiveRef(3, 48)}));
        db.Add(MakeAlg(0x0300, "Без архива", {ValueRecord(1, "Значение", 4)}));
        db.Add(MakeMod(0x07A1, "Zemra", {{0x0201, 1}, {0x0202, 2}, {0x0203, 3}, {0x0300, 4}}));
        db.AddTemplate(0x07A1, Template(0x07A1));
        db.Add(MakeMod(0x0005, "Zemra без шаблона", {{0x0201, 1}}));
        db.Add(MakeMod(0x0007, "Zemra без архивов", {{0x0300, 1}}));
        db.AddTemplate(0x0007, Template(0x0007));
        ASSERT_TRUE(db.Open());
        flash = dir / "flash";
        writing = WriteDemoFlash(flash);
        ASSERT_EQ(writing.Error, "");
        out = dir.MakeDir("out");
    }
    void TearDown() override { DestroyConfigDb(); }

    RestoreQueueResult FromDir(const std::string& source) {
        return RestoreQueueFromDir(source, db.Root(), out, "", "", "");
    }
    std::string FlashWith(uint16_t moduleNumber) {
        DemoFlashOptions options;
        options.ModuleNumber = moduleNumber;
        std::string d = dir / ("flash" + std::to_string(moduleNumber));
        WriteDemoFlash(d, options);
        return d;
    }

    TempDir dir;
    FixtureDb db;
    std::string flash, out;
    DemoFlashWriting writing;
};

TEST_F(RestoreQueueTest, BuildsOneTaskPerMatchingBlockAndSavesTheQueue) {
    RestoreQueueResult r = RestoreQueueFromDir(flash, db.Root(), out, "", "", " sub ");
    ASSERT_EQ(r.Code, -1) << SysToUtf8(r.Message);
    EXPECT_EQ(r.SavedPath, out + "/sub/07A1_1234.tsk");
    EXPECT_EQ(SysToUtf8(r.Message), "Очередь задач сохранена на диске\r" + r.SavedPath);

    TSpisAlg library;
    Task_CL saved(0x07A1, db.Root(), "", "", r.SavedPath, &library, false);
    EXPECT_EQ(saved.Header().ModuleWord60, 0x1234);
    EXPECT_EQ(saved.QueueName(), "07A1_1234");
    ASSERT_EQ(saved.TaskCount() - saved.TemplateCount(), 12);
    const uint16_t algs[] = {0x0201, 0x0202, 0x0203};
    const char* shortNames[] = {"Q", "M", "T1", "T2"};
    for (int i = 0; i < 12; ++i) {
        TParam* task = saved.TaskAt(saved.TemplateCount() + i);
        ASSERT_NE(task, nullptr);
        EXPECT_TRUE(task->Enabled());
        EXPECT_EQ(task->AlgNumber(), algs[i / 4]) << i;
        EXPECT_EQ(task->ShortName(), shortNames[i % 4]) << i;
        ASSERT_EQ(task->EntryCount(), 1);
        EXPECT_EQ(task->Value1(0), 0x0101 + i % 4) << i;
        EXPECT_EQ(task->Value2(0), 0);
    }
}

TEST_F(RestoreQueueTest, FromAFileUsesItsDirectoryAndTheGivenNames) {
    RestoreQueueResult r =
        RestoreQueueFromFile(writing.Files[1], db.Root(), out, "Котельная", "mine.dat", "");
    ASSERT_EQ(r.Code, -1) << SysToUtf8(r.Message);
    EXPECT_EQ(r.SavedPath, out + "/mine.tsk");
    TSpisAlg library;
    Task_CL saved(0x07A1, db.Root(), "", "", r.SavedPath, &library, false);
    EXPECT_EQ(saved.QueueName(), "Котельная");
    EXPECT_EQ(saved.TaskCount() - saved.TemplateCount(), 12);
}

TEST_F(RestoreQueueTest, RefusalsAndMissingPieces) {
    std::string oldLayout = dir / "old";
    WriteArchiveFixture(dir, "old/S_1.HNS", FixtureFile(true, true, false, 45000, {}));
    std::string none = dir.MakeDir("none");
    std::string odd = dir / "odd";
    ArchiveFileSpec oddDepth =
        FixtureFile(true, true, true, 45000, {FixtureBlock(1, 45000, 1, {1}, 77)});
    oddDepth.ModuleNumber = 0x07A1;
    WriteArchiveFixture(dir, "odd/S_1.HNS", oddDepth);
    struct Case {
        const char* what;
        RestoreQueueResult result;
        int code;
        std::string message;
    } cases[] = {
        {"not an archive file", RestoreQueueFromFile(dir / "a.txt", db.Root(), out, "", "", ""),
         100, "Файл " + (dir / "a.txt") + " не является архивным файлом"},
        {"no archive files", FromDir(none), 100,
         "В каталоге " + none + " архивные файлы не обнаружены"},
        {"old layout", FromDir(oldLayout), 100,
         "Выбран файл с данными для Halvor 10, Pellan,\rархивную очередь задач можно "
         "восстановить \rтолько для модулей серии Zemra"},
        {"no database path", RestoreQueueFromDir(flash, "", out, "", "", ""), 0,
         "Не указан путь к базе данных Zemra "},
        {"no output directory", RestoreQueueFromDir(flash, db.Root(), dir / "x", "", "", ""), 7,
         "Не существует каталог для сохранения очереди задач  " + (dir / "x")},
        {"no module description", FromDir(FlashWith(0x0006)), 5,
         "В базе данных Zemra отсутствует описание модуля  0006.mod"},
        {"no template", FromDir(FlashWith(0x0005)), 6,
         "В базе данных Zemra отсутствует описание шаблона задач  0005.tsk"},
        {"no archive algorithms", FromDir(FlashWith(0x0007)), 100,
         "для данного модуля отсутствуют архивные задачи"},
        {"no block matches a depth", FromDir(odd), 100, "Возникла ошибка чтения архивов из файла"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.Code, c.code) << c.what;
        EXPECT_EQ(SysToUtf8(c.result.Message), c.message) << c.what;
    }

    DestroyConfigDb();
    RestoreQueueResult closed = FromDir(flash);
    EXPECT_EQ(closed.Code, 1);
    EXPECT_EQ(SysToUtf8(closed.Message).rfind("Не существует каталог базы данных Zemra  ", 0), 0u);
}
}  // namespace
