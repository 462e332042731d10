// Which names count as database files, and which names stay inside the database directory.
#include <gtest/gtest.h>

#include "model/configdb/db_names.h"

TEST(DbNames, DatabaseFileKindFollowsNameExtensionAndDirectory) {
    struct Case {
        const char* name;
        int kind;
    } cases[] = {
        {"ALG/0a1f.alg", dfkAlgorithm},
        {"alg/0A1F.alg", dfkAlgorithm},  // directory letter case is ignored
        {"ALG/0A1F.ALG", -1},            // the extension must be lower case
        {"ALG/012.alg", -1},             // three digits
        {"ALG/0g12.alg", -1},            // not hexadecimal
        {"MOD/0123.alg", -1},            // an algorithm outside ALG
        {"MOD/07A1.mod", dfkModule},
        {"old\\TASK\\new\\07a1.tsk", dfkTaskQueue},  // any level, either separator
        {"TASKS/07a1.tsk", -1},                      // the whole component must match
        {"07a1.tsk", -1},                            // no directory at all
        {"ALG/0001.alg.bak", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DatabaseFileKind(c.name), c.kind) << c.name;
}

TEST(DbNames, InsideRelativeNames) {
    EXPECT_TRUE(IsInsideRelativeName("ALG/0001.alg"));
    EXPECT_TRUE(IsInsideRelativeName("ALG/..x/0001.alg"));
    EXPECT_FALSE(IsInsideRelativeName(""));
    EXPECT_FALSE(IsInsideRelativeName("/etc/0001.alg"));
    EXPECT_FALSE(IsInsideRelativeName("C:\\db\\0001.alg"));
    EXPECT_FALSE(IsInsideRelativeName("ALG/../../0001.alg"));
    EXPECT_FALSE(IsInsideRelativeName(".."));
}
