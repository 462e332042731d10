// The main window's menu decision.
#include "shell/menu_state.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

constexpr const char* kComplete = "[Report]\nColumns=1\n[Header]\n0=h\n";

struct Expect {
    bool forms, commands;
    const char* message;
};

void Check(const MenuState& got, const Expect& want) {
    EXPECT_EQ(got.reportForms, want.forms);
    EXPECT_EQ(got.reportCommands, want.commands);
    EXPECT_EQ(got.statusMessage, want.message);
}

TEST(DecideMenuState, NeedsBothDirectoriesAndAnOpenDatabase) {
    TempDir dir;
    const std::string reports = dir.MakeDir("reports");
    dir.WriteFile("reports/00000001.ini", kComplete);
    const std::string modules = dir.MakeDir("modules");

    Check(DecideMenuState(reports, modules, true), {true, true, ""});
    Check(DecideMenuState(reports, "", true), {true, false, kConfigurationErrorMessage});
    Check(DecideMenuState(reports, modules, false), {true, false, kConfigurationErrorMessage});
    Check(DecideMenuState("", modules, true), {false, false, kConfigurationErrorMessage});
}

TEST(DecideMenuState, NeedsACompleteFormDirectlyInTheReportsDirectory) {
    TempDir dir;
    const std::string modules = dir.MakeDir("modules");
    const std::string reports = dir.MakeDir("reports");
    dir.WriteFile("reports/notes.txt", kComplete);
    dir.WriteFile("reports/00000001.ini", "[Report]\nColumns=1\n");
    dir.WriteFile("reports/sub/00000002.ini", kComplete);
    dir.MakeDir("reports/folder.ini");
    Check(DecideMenuState(reports, modules, true), {true, false, kNoReportFormsMessage});

    dir.WriteFile("reports/00000003.INI", kComplete);
    Check(DecideMenuState(reports, modules, true), {true, true, ""});
}

}  // namespace
