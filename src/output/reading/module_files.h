// The files of a module directory that the reading flows start from.
#pragma once

#include <string>

// The first file (in name order) of the directory whose name ends in ext (".tsk", ".ini",
// letters compared without regard to case); "" when there is none.
std::string FirstModuleFile(const std::string& moduleDir, const std::string& ext);
