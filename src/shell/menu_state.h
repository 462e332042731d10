// What the main window's menu allows, decided from the configured directories.
#pragma once

#include <string>

inline constexpr const char* kNoReportFormsMessage =
    "Отсутствуют отчетные формы, раздел Настройки программы->Отчетные формы->Редактор "
    "отчетных форм";
inline constexpr const char* kConfigurationErrorMessage =
    "Обнаружены ошибки в настройке программы, раздел Настройки программы->Путь к БД-Zemra";

struct MenuState {
    bool reportForms = false;     // the "Отчетные формы" submenu
    bool reportCommands = false;  // "Просмотр отчетных бланков" and "Быстрое сохранение отчетов"
    std::string statusMessage;    // text of the status bar
};

// The report-forms submenu needs a report-forms directory; the report commands need it, a
// modules directory, an open database and at least one valid report form directly inside
// reportsDir (files in name order).
MenuState DecideMenuState(const std::string& reportsDir, const std::string& modulesDir,
                          bool dbOpen);
