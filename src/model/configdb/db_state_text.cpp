// The two texts with which the database options panel shows the state of the database.
#include "model/configdb/db_state_text.h"

namespace {
constexpr const char* kVersionCaption = "версия БД-Zemra: ";
constexpr const char* kErrorCaption = "ошибка БД-Zemra: ";
}  // namespace

DbStateText DescribeDbState(bool hasPath, bool opened, const std::string& version,
                            const std::string& error) {
    if (!hasPath)
        return {kErrorCaption, "не указан путь к БД-Zemra"};
    if (opened)
        return {kVersionCaption, version.empty() ? "неизвестно" : version};
    return {kErrorCaption, error.empty() ? "не загружена БД-Zemra" : error};
}
