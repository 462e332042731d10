// The options panel's texts for the database state.
#include "model/configdb/db_state_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DescribeDbState, TextsForEachState) {
    struct Case {
        bool hasPath, opened;
        const char *version, *error, *name, *value;
    } cases[] = {
        {true, true, "7.1\n", "", "версия БД-Zemra: ", "7.1\n"},
        {true, true, "", "", "версия БД-Zemra: ", "неизвестно"},
        {true, false, "", "Не найден каталог BD-Zemra",
         "ошибка БД-Zemra: ", "Не найден каталог BD-Zemra"},
        {true, false, "", "", "ошибка БД-Zemra: ", "не загружена БД-Zemra"},
        {false, false, "", "", "ошибка БД-Zemra: ", "не указан путь к БД-Zemra"},
    };
    for (const Case& c : cases) {
        const DbStateText got = DescribeDbState(c.hasPath, c.opened, c.version, c.error);
        EXPECT_EQ(got.name, c.name);
        EXPECT_EQ(got.value, c.value);
    }
}

}  // namespace
