// Finding the task queue and the link file of a module directory.
#include "output/reading/module_files.h"

#include "platform/files.h"

std::string FirstModuleFile(const std::string& moduleDir, const std::string& ext) {
    for (const DirEntry& e : ListDirectory(moduleDir))
        if (!e.isDirectory && SameText(ExtractFileExt(e.name), ext))
            return JoinPath(moduleDir, e.name);
    return "";
}
