// Per-user directories on Linux: the XDG configuration folder and the desktop.
#include "platform/profile_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "platform/file_search.h"
#include "platform/files.h"

namespace {

std::string HomeDir() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "";
}

// The per-user application-data folder, with a trailing delimiter.
std::string AppDataDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == PathDelim)
        return IncludeTrailingPathDelimiter(xdg);
    return IncludeTrailingPathDelimiter(JoinPath(HomeDir(), ".config"));
}

void CreateChain(const std::string& path) {
    std::string message;
    CreateDirectoryPath(path, message);
}

// XDG_DESKTOP_DIR of user-dirs.dirs: "$HOME/..." or an absolute path in double quotes.
std::string XdgDesktopDir(const std::string& home) {
    const auto data = ReadWholeFile(AppDataDir() + "user-dirs.dirs", 1 << 20);
    if (!data)
        return "";
    std::istringstream lines(std::string(data->begin(), data->end()));
    const std::string key = "XDG_DESKTOP_DIR=";
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        line = Trim(line);
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            result = home + value.substr(5);
        else if (!value.empty() && value.front() == PathDelim)
            result = value;
    }
    return result;
}

}  // namespace

std::string ApplicationName() {
    return "Velorm";
}

std::string VendorConfigDir(const std::string& vendor, bool create, bool withAppName) {
    std::string dir = AppDataDir();
    if (!vendor.empty())
        dir += vendor + PathDelim;
    if (withAppName)
        dir += ChangeFileExt(ApplicationName(), "") + PathDelim;
    if (create)
        CreateChain(dir);
    return dir;
}

std::string VendorConfigFile(const std::string& vendor, bool create, bool withAppName) {
    return VendorConfigDir(vendor, create, withAppName) + ChangeFileExt(ApplicationName(), ".ini");
}

std::string VendorAppPath(const std::string& name, const std::string& vendor, bool create,
                          bool withAppName) {
    const std::string path =
        ExcludeTrailingPathDelimiter(VendorConfigDir(vendor, create, withAppName) + name);
    if (create)
        CreateChain(path);
    return path;
}

std::string VendorPath(const std::string& vendor, const std::string& name, bool create) {
    return VendorConfigDir(vendor, create, false) + name;
}

std::string DesktopDir() {
    const std::string home = HomeDir();
    const std::string xdg = XdgDesktopDir(home);
    if (DirectoryExists(xdg))
        return IncludeTrailingPathDelimiter(xdg);
    const std::string desktop = JoinPath(home, "Desktop");
    if (DirectoryExists(desktop))
        return IncludeTrailingPathDelimiter(desktop);
    return IncludeTrailingPathDelimiter(home);
}
