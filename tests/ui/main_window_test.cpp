// The main window: first start, menu enabling, the modal protocol and the exit question.
#include "shell/ui/main_window.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "screens/report_editor_window.h"
#include "shell/menu_state.h"
#include "shell/program_state.h"
#include "shell/ui/about_box.h"
#include "shell/ui/path_dialog.h"
#include "shell/ui/program_windows.h"
#include "ui/ui_fixture.h"

namespace {

constexpr const char* kCompleteForm = "[Report]\nName=A\nColumns=1\n[Header]\n0=h\n";

class MainWindowTest : public WindowTest {
  protected:
    TForm1* form() { return AppWindows().Form1; }
    TAwayBd* dialog() { return AppWindows().AwayBd; }

    void ExpectMenu(bool forms, bool commands, const char* status) {
        EXPECT_EQ(form()->MenuItem3->isEnabled(), forms);
        EXPECT_EQ(form()->MenuItem4->isEnabled(), commands);
        EXPECT_EQ(form()->MenuItem9->isEnabled(), commands);
        EXPECT_EQ(form()->StatusText().toStdString(), status);
    }
    // Activates with a complete configuration whose report directory gets the given files.
    void ActivateConfigured(const std::vector<std::pair<std::string, std::string>>& reports) {
        const std::string reportsDir = work_.MakeDir("reports");
        for (const auto& [name, text] : reports)
            work_.WriteFile("reports/" + name, text);
        WriteSettings(MakeDb("db"), reportsDir, work_.MakeDir("modules"));
        form()->show();
        form()->FormActivate();
    }
};

TEST_F(MainWindowTest, FirstStartOpensThePathDialogAndSavingWritesTheSettings) {
    const std::string db = MakeDb("db");
    const std::string reports = work_ / "new/reports";
    const std::string modules = work_ / "new/modules";
    WhenShown(dialog(), [&] {
        EXPECT_FALSE(form()->isVisible());
        EXPECT_EQ(dialog()->Label3->text().toStdString(),
                  "Каталог для хранения отчетных форм\nКаталог для хранения информации по модулям");
        EXPECT_EQ(dialog()->focusWidget(), dialog()->DirectoryEdit3->Edit());
        tKesh_BDZemra_optPanel* panel = dialog()->panelBDZemra;
        panel->RadioButtonFile->click();
        prompts_.PushText(db);
        panel->PathEditorFile->Button()->click();
        EXPECT_EQ(panel->LabelVersVers->text().toStdString(), "2.14");
        dialog()->DirectoryEdit3->SetPath(reports);
        dialog()->DirectoryEdit4->SetPath(modules);
        dialog()->Button1->click();
    });
    form()->FormActivate();

    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(form()->isVisible());
    EXPECT_EQ(form()->windowTitle().toStdString(), "Velorm - Программа для формирования отчетов");
    EXPECT_TRUE(DirectoryExists(reports));
    EXPECT_TRUE(DirectoryExists(modules));
    IniFile ini(Shell().SettingsFileName);
    EXPECT_EQ(ini.ReadSection("Common"),
              (std::vector<std::string>{"WayBD", "BDZemratype", "WayReports", "WayModuls"}));
    EXPECT_EQ(ini.ReadString("Common", "WayBD", ""), db);
    EXPECT_EQ(ini.ReadInteger("Common", "BDZemratype", -1), 1);
    EXPECT_EQ(ini.ReadString("Common", "WayReports", ""), reports);
    EXPECT_EQ(ini.ReadString("Common", "WayModuls", ""), modules);
    ExpectMenu(true, false, kNoReportFormsMessage);
    // The database chosen in the dialog was loaded by the configuration step.
    EXPECT_FALSE(Shell().DbReloadPending);
    EXPECT_EQ(ConfigDb().EntryCount(), 3u);

    HandlePendingEvents();  // the activation after the dialog: the check now succeeds
    EXPECT_FALSE(dialog()->isVisible());
    ExpectMenu(true, false, kNoReportFormsMessage);
}

TEST_F(MainWindowTest, ReportsDirectoryAloneEnablesOnlyTheReportFormsMenu) {
    WriteSettings(MakeDb("db"), work_.MakeDir("reports"), "");
    int shown = 0;
    WhenShown(dialog(), [&] {
        ++shown;
        dialog()->close();
    });
    form()->FormActivate();
    ExpectMenu(true, false, kConfigurationErrorMessage);

    // The activation after the dialog fails again but does not reopen it.
    HandlePendingEvents();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(form()->isVisible());
    ExpectMenu(true, false, kConfigurationErrorMessage);
}

TEST_F(MainWindowTest, FormWithoutHeaderIsNotAValidReportForm) {
    ActivateConfigured({{"notes.txt", kCompleteForm}, {"00000001.ini", "[Report]\nColumns=1\n"}});
    ExpectMenu(true, false, kNoReportFormsMessage);
    EXPECT_FALSE(dialog()->isVisible());
}

TEST_F(MainWindowTest, UpperCaseIniFormEnablesTheReportCommands) {
    ActivateConfigured({{"00000001.INI", kCompleteForm}});
    ExpectMenu(true, true, "");
}

TEST_F(MainWindowTest, ChildWindowHidesTheMainWindowWhileItIsOpen) {
    ActivateConfigured({{"00000001.ini", kCompleteForm}});
    const std::string last = Shell().LastDir;
    WhenShown(AppWindows().AredaktorOt, [&] {
        EXPECT_FALSE(form()->isVisible());
        WriteFileAtomic(last + "/deleted.ini", "x");
        AppWindows().AredaktorOt->close();
    });
    form()->MenuItem5->trigger();
    EXPECT_TRUE(form()->isVisible());
    EXPECT_TRUE(FileExists(last + "/deleted.ini"));
    HandlePendingEvents();  // the activation after the child window empties Last
    EXPECT_FALSE(FileExists(last + "/deleted.ini"));

    WhenShown(AppWindows().Aoprog, [&] {
        EXPECT_TRUE(form()->isVisible());
        AppWindows().Aoprog->close();
    });
    form()->MenuItem10->trigger();
    EXPECT_TRUE(form()->isVisible());
}

TEST_F(MainWindowTest, ExitQuestionNoKeepsEverythingYesReleases) {
    ActivateConfigured({{"00000001.ini", kCompleteForm}});
    const std::string kept = Shell().LastDir + "/restore-me.ini";
    ASSERT_TRUE(WriteFileAtomic(kept, "[Report]\n"));
    const ProgramWindows before = AppWindows();

    prompts_.PushAnswer(PromptAnswer::No);
    EXPECT_FALSE(form()->close());
    ASSERT_EQ(prompts_.History().size(), 1u);
    EXPECT_EQ(prompts_.History()[0].text, "Завершить работу программы?");
    EXPECT_EQ(prompts_.History()[0].buttons, PromptButtons::YesNo);
    EXPECT_TRUE(form()->isVisible());
    EXPECT_TRUE(FileExists(kept));
    EXPECT_TRUE(ConfigDbExists());
    EXPECT_TRUE(ConfigDb().DbOpened());
    EXPECT_EQ(AppWindows().AwayBd, before.AwayBd);
    EXPECT_EQ(AppWindows().Aoprog, before.Aoprog);
    ExpectMenu(true, true, "");

    prompts_.PushAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(form()->close());
    EXPECT_FALSE(FileExists(kept));
    EXPECT_TRUE(DirectoryExists(Shell().LastDir));
    EXPECT_FALSE(ConfigDbExists());
}

}  // namespace
