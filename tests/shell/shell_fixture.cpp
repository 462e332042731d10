// A throw-away user profile and configuration databases for the shell's tests.
#include "shell/shell_fixture.h"

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/profile_paths.h"
#include "shell/program_state.h"
#include "support/zip_maker.h"

void ShellTest::SetUp() {
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
    ASSERT_TRUE(MakeZipWithTool(MakeDbDirectory(scratch, "zipdb"), zipPath));
}
