// The demo configuration database loads as a real one: modules, algorithms and templates.
#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "model/configdb/demo_db.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace {

TEST(DemoDatabase, ModulesLoadWithTheirAlgorithmsAndTemplates) {
    TempDir tmp;
    DemoConfigDbWritten written;
    std::string error;
    ASSERT_TRUE(WriteDemoConfigDb(tmp.Path(), written, error)) << error;
    for (const std::string& root : {written.directory, written.zip}) {
        DestroyConfigDb();
        ASSERT_TRUE(ConfigDb().OpenPath(root));
        TSpisAlg lib;
        for (uint16_t module : {0x07A1, 0x0B12}) {
            Task_CL q(module, root, "", "", "", &lib, false);
            EXPECT_TRUE(q.Report().empty()) << SysToUtf8(q.Report()[0]);
            EXPECT_EQ(q.TaskCount(), 4);
            EXPECT_TRUE(q.Module().HasArchiveKind(-1));
            EXPECT_EQ(SysToUtf8(q.Module().ModuleName()).find("известн"), std::string::npos);
        }
        for (uint16_t kind : {1, 2, 3})
            EXPECT_EQ(lib.FindByNumber(kind)->ArchiveKind(), kind);
        EXPECT_TRUE(lib.FindByNumber(0x0010)->Has32Values());
    }
    DestroyConfigDb();
}

}  // namespace
