// Choosing the reading flow of a module by its link file.
#include "output/view/read_source.h"

#include "output/reading/module_files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"

ReadSource ReadSourceOf(const std::string& moduleDir) {
    const std::string linkPath = FirstModuleFile(moduleDir, ".ini");
    if (linkPath.empty())
        return rsNoModule;
    const IniFile link(linkPath);
    switch (link.ReadInteger(kSecCommon, kKeyVS, -1)) {
        case kSourceLink:
            return rsController;
        case kSourceFlash:
            return rsFlash;
        default:
            return rsNotSet;
    }
}

std::string ReadSourceError(ReadSource source) {
    switch (source) {
        case rsNoModule:
            return "Модуль не найден";
        case rsNotSet:
            return "Связь не настроена";
        default:
            return "";
    }
}
