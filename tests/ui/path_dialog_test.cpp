// The path dialog: saving, discarding, searching and copying.
#include "shell/ui/path_dialog.h"

#include <gtest/gtest.h>

#include "model/configdb/config_db.h"
#include "platform/event_pump.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/profile_paths.h"
#include "shell/program_state.h"
#include "shell/shell_session.h"
#include "shell/ui/program_windows.h"
#include "ui/ui_fixture.h"

namespace {

constexpr const char* kForm = "[Report]\nName=A\nColumns=1\n[Header]\n0=h\n";

class PathDialogTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        db_ = MakeDb("db");
        reports_ = work_.MakeDir("reports");
        modules_ = work_.MakeDir("modules");
        WriteSettings(db_, reports_, modules_);
        ASSERT_TRUE(RefreshSettings());
        dialog_ = AppWindows().AwayBd;
        dialog_->show();
    }
    std::string SettingsText() {
        auto bytes = ReadWholeFile(Shell().SettingsFileName);
        return bytes ? std::string(bytes->begin(), bytes->end()) : "";
    }

    std::string db_, reports_, modules_;
    TAwayBd* dialog_ = nullptr;
};

TEST_F(PathDialogTest, ShowsTheSettingsInForceWithNothingToUndo) {
    EXPECT_EQ(dialog_->windowTitle().toStdString(), "Velorm - Путь к БД-Zemra");
    EXPECT_EQ(dialog_->DirectoryEdit3->Path(), reports_);
    EXPECT_EQ(dialog_->DirectoryEdit4->Path(), modules_);
    EXPECT_EQ(dialog_->panelBDZemra->PathEditorFile->Path(), db_);
    EXPECT_TRUE(dialog_->panelBDZemra->RadioButtonFile->isChecked());
    EXPECT_EQ(dialog_->panelBDZemra->LabelVersName->text().toStdString(), "версия БД-Zemra: ");
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "");
    EXPECT_FALSE(dialog_->Button2->isEnabled());
    for (const char* name : {"LabelPath", "RadioButtonZip", "RadioButtonFile", "PathEditorZip",
                             "PathEditorFile", "LabelVersName", "LabelVersVers"})
        EXPECT_NE(dialog_->findChild<QWidget*>(QString("panelBDZemra") + name), nullptr) << name;
}

TEST_F(PathDialogTest, SavingCreatesAMissingDirectoryChain) {
    const std::string fresh = work_ / "a/b/c";
    dialog_->DirectoryEdit4->SetPath(fresh);
    EXPECT_TRUE(dialog_->Button2->isEnabled());
    dialog_->Button1->click();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(DirectoryExists(fresh));
    EXPECT_EQ(Shell().ModulesDir, fresh);
    EXPECT_EQ(IniFile(Shell().SettingsFileName).ReadString("Common", "WayModuls", ""), fresh);
}

TEST_F(PathDialogTest, UncreatableDirectoryKeepsTheDialogAndTakesTheFocus) {
    const std::string blocked = work_.WriteFile("file", "") + "/modules";
    const std::string before = SettingsText();
    dialog_->DirectoryEdit4->SetPath(blocked);
    dialog_->Button1->click();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->focusWidget(), dialog_->DirectoryEdit4->Edit());
    EXPECT_TRUE(dialog_->Button2->isEnabled());
    EXPECT_EQ(SettingsText(), before);
    EXPECT_TRUE(prompts_.History().empty());
}

TEST_F(PathDialogTest, ClosingWithABrokenDatabaseAsksAndNoDiscardsTheEdits) {
    const std::string before = SettingsText();
    dialog_->panelBDZemra->PathEditorChange(work_ / "no-db");
    EXPECT_EQ(dialog_->panelBDZemra->LabelVersVers->text().toStdString(),
              "Не найден каталог BD-Zemra");
    EXPECT_TRUE(dialog_->Button2->isEnabled());

    prompts_.PushAnswer(PromptAnswer::Yes);
    dialog_->close();
    EXPECT_TRUE(dialog_->isVisible());

    prompts_.PushAnswer(PromptAnswer::No);
    dialog_->close();
    EXPECT_FALSE(dialog_->isVisible());
    ASSERT_EQ(prompts_.History().size(), 2u);
    EXPECT_EQ(prompts_.History()[1].text,
              "При проверке настроечных данных обнаружены ошибки\nОстаться в режиме "
              "редактирования (Да/Yes) или отменить изменения и выйти (Нет/No) ?");
    EXPECT_EQ(SettingsText(), before);

    dialog_->show();
    EXPECT_EQ(dialog_->panelBDZemra->PathEditorFile->Path(), db_);
    EXPECT_TRUE(ConfigDb().DbOpened());
    EXPECT_FALSE(dialog_->Button2->isEnabled());
}

TEST_F(PathDialogTest, UndoReturnsToTheSavedSettings) {
    dialog_->DirectoryEdit3->SetPath(work_ / "elsewhere");
    dialog_->panelBDZemra->PathEditorChange(work_ / "no-db");
    dialog_->Button2->click();
    EXPECT_EQ(dialog_->DirectoryEdit3->Path(), reports_);
    EXPECT_EQ(ConfigDb().DbPath(), db_);
    EXPECT_TRUE(ConfigDb().DbOpened());
    EXPECT_FALSE(dialog_->Button2->isEnabled());
}

TEST_F(PathDialogTest, SearchFindsTheReportFormsAndCanBeStopped) {
    work_.WriteFile("tree/x/deep/forms/00000001.ini", kForm);
    dialog_->DirectoryEdit3->SetPath(work_ / "tree");

    bool otherDisabled = false;
    SetEventPump([&] { otherDisabled = otherDisabled || !dialog_->SpeedButton2->isEnabled(); });
    dialog_->SpeedButton1->click();
    EXPECT_TRUE(otherDisabled);
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "Найдены отчеты");
    EXPECT_EQ(dialog_->DirectoryEdit3->Path(), work_ / "tree/x/deep/forms");
    EXPECT_FALSE(dialog_->SpeedButton1->isChecked());
    EXPECT_TRUE(dialog_->SpeedButton2->isEnabled());

    // Pressing the button again while the search runs stops it.
    dialog_->DirectoryEdit3->SetPath(work_ / "tree");
    SetEventPump([&] {
        if (dialog_->SpeedButton1->isChecked())
            dialog_->SpeedButton1->click();
    });
    dialog_->SpeedButton1->click();
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "Отчеты не найдены");
    EXPECT_EQ(dialog_->DirectoryEdit3->Path(), work_ / "tree");
    EXPECT_FALSE(dialog_->SpeedButton1->isChecked());
}

TEST_F(PathDialogTest, ModuleSearchOffersTheParentOfTheModuleDirectory) {
    work_.WriteFile("mods/base/0001_00A1/0001_00A1.ini", "[Common]\nVS=0\nZn=00A1\n");
    dialog_->DirectoryEdit4->SetPath(work_ / "mods");
    dialog_->SpeedButton2->click();
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "Найдены модули");
    EXPECT_EQ(dialog_->DirectoryEdit4->Path(), work_ / "mods/base");

    dialog_->DirectoryEdit4->SetPath(reports_);
    dialog_->SpeedButton2->click();
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "Модули не найдены");
}

TEST_F(PathDialogTest, CopyFlattensReportFormsAndKeepsTheModuleTree) {
    work_.WriteFile("reports/00000001.ini", kForm);
    work_.WriteFile("reports/old/00000002.ini", kForm);
    work_.WriteFile("modules/0001_00A1/Reports/00000001.ini", "x");
    const std::string target = work_.MakeDir("copy");

    prompts_.PushText(target);
    prompts_.PushAnswer(PromptAnswer::Yes);
    dialog_->BitBtn1->click();
    EXPECT_TRUE(FileExists(target + "/00000001.ini"));
    EXPECT_TRUE(FileExists(target + "/00000002.ini"));
    EXPECT_EQ(dialog_->DirectoryEdit3->Path(), target);
    EXPECT_TRUE(dialog_->Button2->isEnabled());
    ASSERT_EQ(prompts_.History().size(), 2u);
    EXPECT_EQ(prompts_.History()[0].kind, "directory");
    EXPECT_EQ(prompts_.History()[0].text, DesktopDir());
    EXPECT_EQ(prompts_.History()[1].text, "Сменить путь к отчетам на новый каталог");

    const std::string moduleTarget = work_.MakeDir("module-copy");
    prompts_.PushText(moduleTarget);
    prompts_.PushAnswer(PromptAnswer::No);
    dialog_->BitBtn2->click();
    EXPECT_TRUE(FileExists(moduleTarget + "/0001_00A1/Reports/00000001.ini"));
    EXPECT_EQ(dialog_->DirectoryEdit4->Path(), modules_);
    EXPECT_EQ(prompts_.History().back().text, "Сменить путь к модулям на новый каталог");
}

TEST_F(PathDialogTest, CopyOfAnEmptyDirectorySaysSo) {
    dialog_->BitBtn2->click();
    EXPECT_EQ(dialog_->Label3->text().toStdString(), "Нет файлов для копирования");
    EXPECT_TRUE(prompts_.History().empty());
}

}  // namespace
