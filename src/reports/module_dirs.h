// Module directories under ModulesDir: their names, preparing them, removing empty ones.
#pragma once

#include <string>

// ModulesDir with a trailing delimiter + Trim(hexNumber) + "_" + Trim(name); "" when
// ModulesDir is not set or a part is not a safe name (CheckPathName).
std::string ModuleDirName(const std::string& name, const std::string& hexNumber);

// Creates the module directory and sets path to <dir>/<hexNumber>_<name>.tsk (or, when
// returnPath is false, to the bare directory name <hexNumber>_<name>). When that file exists
// and askOverwrite is set, asks whether to replace it and returns the answer. An unsafe
// name or a directory that cannot be made is shown through the prompts and gives false.
bool PrepareModuleFiles(const std::string& name, const std::string& hexNumber, std::string& path,
                        bool askOverwrite, bool returnPath);

// Deletes the directory ModuleDirName(name, hexNumber) when nothing under it is a file.
void RemoveEmptyModuleDir(const std::string& name, const std::string& hexNumber);
