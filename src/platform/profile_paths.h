// Where the program keeps its per-user files: the settings file, scratch and log directories.
#pragma once

#include <string>

// "Velorm"; should it be empty, the executable's name without extension.
std::string ApplicationName();

// $XDG_CONFIG_HOME (else ~/.config) + "/" [+ vendor + "/"] [+ application + "/"].
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
// The user's desktop directory (XDG desktop, else ~/Desktop, else home), with a trailing
// delimiter.
std::string DesktopDir();
