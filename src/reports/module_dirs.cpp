// Naming, creating and removing module directories.
#include "reports/module_dirs.h"

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "reports/path_names.h"
#include "shell/program_state.h"

namespace {

constexpr const char* kCaption = "Velorm";

std::string BareName(const std::string& name, const std::string& hexNumber) {
    return Trim(hexNumber) + "_" + Trim(name);
}

bool CheckNames(const std::string& name, const std::string& hexNumber, std::string& message) {
    return CheckPathName(Trim(hexNumber), message) && CheckPathName(Trim(name), message);
}

bool HoldsFiles(const std::string& dir) {
    for (const DirEntry& e : ListDirectory(dir))
        if (!e.isDirectory || HoldsFiles(JoinPath(dir, e.name)))
            return true;
    return false;
}

}  // namespace

std::string ModuleDirName(const std::string& name, const std::string& hexNumber) {
    std::string message;
    if (Shell().ModulesDir.empty() || !CheckNames(name, hexNumber, message))
        return "";
    return IncludeTrailingPathDelimiter(Shell().ModulesDir) + BareName(name, hexNumber);
}

bool PrepareModuleFiles(const std::string& name, const std::string& hexNumber, std::string& path,
                        bool askOverwrite, bool returnPath) {
    std::string message;
    if (!CheckNames(name, hexNumber, message)) {
        CurrentPrompts().Message(kCaption, message, PromptIcon::Error);
        return false;
    }
    const std::string dir = ModuleDirName(name, hexNumber);
    message = "Ошибка";
    if (!CreateDirectoryPath(dir, message)) {
        CurrentPrompts().Message(kCaption, message, PromptIcon::Error);
        return false;
    }
    path = JoinPath(dir, BareName(name, hexNumber) + ".tsk");
    bool ok = true;
    if (askOverwrite && FileExists(path))
        ok = CurrentPrompts().Confirm(kCaption,
                                      "Файл " + path + " существует" + "\r" + "Заменить ?");
    if (!returnPath)
        path = BareName(name, hexNumber);
    return ok;
}

void RemoveEmptyModuleDir(const std::string& name, const std::string& hexNumber) {
    const std::string dir = ModuleDirName(name, hexNumber);
    if (!dir.empty() && DirectoryExists(dir) && !HoldsFiles(dir))
        RemoveDirectoryTree(dir);
}
