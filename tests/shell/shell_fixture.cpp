// A throw-away user profile and configuration databases for the shell's tests.
#include "shell/shell_fixture.h"

#include <cstdlib>

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/profile_paths.h"
#include "shell/program_state.h"

void ShellTest::SetUp() {
    setenv("XDG_CONFIG_HOME", profile_.Path().c_str(), 1);
    Shell() = ProgramState{};
    Shell().SettingsFileName = VendorConfigFile("Ambrisk", true, true);
    DestroyConfigDb();
}

void ShellTest::TearDown() {
    DestroyConfigDb();
}

std::string ShellTest::VendorDir() const {
    return profile_ / "Ambrisk";
}

void ShellTest::WriteSettings(const std::string& text) const {
    ASSERT_TRUE(WriteFileAtomic(Shell().SettingsFileName, text));
}

std::string MakeDbDirectory(const TempDir& root, const std::string& relative) {
    root.WriteFile(relative + "/ALG/0001.alg", "alg");
    root.WriteFile(relative + "/MOD/0002.mod", "mod");
    root.WriteFile(relative + "/TASK/0003.tsk", "tsk");
    root.WriteFile(relative + "/version.txt", "7.1");
    return root / relative;
}

void MakeDbZip(const TempDir& scratch, const std::string& zipPath) {
    const std::string dir = MakeDbDirectory(scratch, "zipdb");
    const std::string command =
        "cd '" + dir + "' && zip -qr '" + zipPath + "' version.txt ALG MOD TASK";
    ASSERT_EQ(std::system(command.c_str()), 0);
}
