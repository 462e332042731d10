// Where the program keeps its per-user files: the settings file, scratch and log directories.
#pragma once

#include <string>

// "Velorm": the application level of the per-user paths and the name of the settings file.
std::string ApplicationName();

// $XDG_CONFIG_HOME when it is an absolute path (else ~/.config) + "/" [+ vendor + "/"]
// [+ application + "/"].
// With create the directory chain is created when missing.
std::string VendorConfigDir(const std::string& vendor, bool create, bool withAppName);
// VendorConfigDir + ApplicationName with its extension replaced by ".ini".
std::string VendorConfigFile(const std::string& vendor, bool create, bool withAppName);
// VendorConfigDir + name, without trailing delimiter; with create it is created too.
std::string VendorAppPath(const std::string& name, const std::string& vendor, bool create,
                          bool withAppName);
// VendorConfigDir(vendor, create, without application name) + name; with create only the
// vendor directory is created.
std::string VendorPath(const std::string& vendor, const std::string& name, bool create);
// The user's desktop directory, with a trailing delimiter: XDG_DESKTOP_DIR of
// user-dirs.dirs in the configuration folder when that directory exists, else ~/Desktop
// when it exists, else the home directory.
std::string DesktopDir();
