// The program's eight windows, their names and captions; the about box; locale separators.
#include "shell/ui/program_windows.h"

#include <gtest/gtest.h>

#include "batch/ui/import_window.h"
#include "batch/ui/quick_save_window.h"
#include "output/ui/report_view_window.h"
#include "platform/program_info.h"
#include "screens/link_window.h"
#include "screens/report_editor_window.h"
#include "shell/ui/about_box.h"
#include "shell/ui/main_window.h"
#include "shell/ui/path_dialog.h"
#include "ui/ui_fixture.h"

namespace {

using ProgramWindowsTest = WindowTest;

TEST_F(ProgramWindowsTest, EightWindowsWithTheirNamesAndCaptions) {
    const ProgramWindows& w = AppWindows();
    const std::pair<QWidget*, const char*> expected[] = {
        {w.Form1, "Программа для формирования отчетов"},
        {w.AwayBd, "Velorm - Путь к БД-Zemra"},
        {w.AredaktorOt, "Velorm - Редактор отчетных бланков"},
        {w.AnastOtch, "Velorm - Связь отчета с модулем"},
        {w.AprosmOt, "Velorm - Просмотр отчетных бланков"},
        {w.AimportOt, "Velorm - Импорт старых отчетов"},
        {w.AfastOt, "Velorm - Быстрое сохранение отчетов"},
        {w.Aoprog, "О программе"},
    };
    const char* names[] = {"Form1",    "AwayBd",    "AredaktorOt", "AnastOtch",
                           "AprosmOt", "AimportOt", "AfastOt",     "Aoprog"};
    for (size_t i = 0; i < std::size(expected); ++i) {
        ASSERT_NE(expected[i].first, nullptr) << names[i];
        EXPECT_EQ(expected[i].first->objectName().toStdString(), names[i]);
        EXPECT_EQ(expected[i].first->windowTitle().toStdString(), expected[i].second);
        EXPECT_FALSE(expected[i].first->isVisible());
    }
}

TEST_F(ProgramWindowsTest, AboutBoxShowsTheCompiledVersion) {
    EXPECT_TRUE(AppWindows().Aoprog->VersionLabel->text().contains(
        QString::fromStdString(ProgramVersion())));
}

}  // namespace
