// Per-user paths under XDG_CONFIG_HOME or ~/.config, and the desktop directory.
#include "platform/profile_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/files.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

// Points HOME and XDG_CONFIG_HOME at temporary directories and restores them afterwards.
class ProfilePaths : public ::testing::Test {
  protected:
    void WriteUserDirs(const std::string& desktopLine) const {
        config.WriteFile("user-dirs.dirs",
                         "# written by xdg-user-dirs-update\n"
                         "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n" +
                             desktopLine + "\n");
    }

    TempDir home, config;
    ScopedEnv homeEnv{"HOME", home.Path()};
    ScopedEnv configEnv{"XDG_CONFIG_HOME", config.Path()};
};

}  // namespace

TEST_F(ProfilePaths, VendorDirectoriesUnderTheConfigFolder) {
    const std::string base = config.Path() + "/";
    EXPECT_EQ(ApplicationName(), "Velorm");
    EXPECT_EQ(VendorConfigDir("Ambrisk", false, true), base + "Ambrisk/Velorm/");
    EXPECT_FALSE(DirectoryExists(base + "Ambrisk"));
    EXPECT_EQ(VendorConfigDir("Ambrisk", false, false), base + "Ambrisk/");
    EXPECT_EQ(VendorConfigDir("", false, true), base + "Velorm/");
    EXPECT_EQ(VendorConfigDir("", false, false), base);

    EXPECT_EQ(VendorConfigFile("Ambrisk", true, true), base + "Ambrisk/Velorm/Velorm.ini");
    EXPECT_TRUE(DirectoryExists(base + "Ambrisk/Velorm"));
    EXPECT_FALSE(FileExists(base + "Ambrisk/Velorm/Velorm.ini"));
}

TEST_F(ProfilePaths, AppPathAndVendorPathCreateWhatTheyShould) {
    const std::string base = config.Path() + "/";
    EXPECT_EQ(VendorAppPath("Log", "Ambrisk", false, true), base + "Ambrisk/Velorm/Log");
    EXPECT_FALSE(DirectoryExists(base + "Ambrisk"));
    EXPECT_EQ(VendorAppPath("Last", "Ambrisk", true, true), base + "Ambrisk/Velorm/Last");
    EXPECT_TRUE(DirectoryExists(base + "Ambrisk/Velorm/Last"));

    RemoveDirectoryTree(base + "Ambrisk");
    EXPECT_EQ(VendorPath("Ambrisk", "BD-Zemra", true), base + "Ambrisk/BD-Zemra");
    EXPECT_TRUE(DirectoryExists(base + "Ambrisk"));
    EXPECT_FALSE(DirectoryExists(base + "Ambrisk/Velorm"));
    EXPECT_FALSE(DirectoryExists(base + "Ambrisk/BD-Zemra"));
}

TEST_F(ProfilePaths, ConfigFolderFallsBackToHomeDotConfig) {
    const std::string expected = home.Path() + "/.config/Ambrisk/";
    for (const char* xdg : {"", "relative/config"}) {
        setenv("XDG_CONFIG_HOME", xdg, 1);
        EXPECT_EQ(VendorConfigDir("Ambrisk", false, false), expected) << xdg;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(VendorConfigDir("Ambrisk", true, false), expected);
    EXPECT_TRUE(DirectoryExists(expected));
    setenv("XDG_CONFIG_HOME", (config.Path() + "/").c_str(), 1);
    EXPECT_EQ(VendorConfigDir("Ambrisk", false, false), config.Path() + "/Ambrisk/");
}

TEST_F(ProfilePaths, DesktopFromUserDirsThenDesktopThenHome) {
    const std::string h = home.Path();
    EXPECT_EQ(DesktopDir(), h + "/");  // nothing configured, no ~/Desktop

    home.MakeDir("Desktop");
    EXPECT_EQ(DesktopDir(), h + "/Desktop/");

    WriteUserDirs("XDG_DESKTOP_DIR=\"$HOME/Рабочий стол\"");
    EXPECT_EQ(DesktopDir(), h + "/Desktop/");  // configured but missing
    home.MakeDir("Рабочий стол");
    EXPECT_EQ(DesktopDir(), h + "/Рабочий стол/");

    const std::string elsewhere = config.MakeDir("desk");
    WriteUserDirs("  XDG_DESKTOP_DIR=\"" + elsewhere + "/\"");
    EXPECT_EQ(DesktopDir(), elsewhere + "/");

    WriteUserDirs("XDG_DESKTOP_DIR=\"relative/desk\"");  // not a valid entry
    EXPECT_EQ(DesktopDir(), h + "/Desktop/");
}
