// The two texts with which the database options panel shows the state of the database.
#pragma once

#include <string>

struct DbStateText {
    std::string name;   // "версия БД-Zemra: " or "ошибка БД-Zemra: "
    std::string value;  // the version or the reason
};

// Texts after an attempt to open the database at a path: the version (or "неизвестно") when it
// opened, else the error (or "не загружена БД-Zemra"); hasPath false means no path was given.
DbStateText DescribeDbState(bool hasPath, bool opened, const std::string& version,
                            const std::string& error);
