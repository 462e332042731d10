// What the connection page shows for the selected report: the module's identity, the
// archive kinds it can read, and the exchange settings of its link file.
#pragma once

#include <array>
#include <string>

#include "reports/report_records.h"

class Task_CL;

inline constexpr const char* kNoQueueText = "Ошибка - нет файла с данными";
inline constexpr const char* kNoColumnsText =
    "Для данного отчета не настроены значения для колонок таблицы. ";
inline constexpr const char* kNoKindFilesText = "Нет файлов для данного типа архивов";

struct ReportContext {
    bool HasQueue = false;  // false: only Repeats and Timeout are filled
    std::string ControllerName;
    std::string SerialText;  // four hexadecimal digits
    std::string ModuleType;
    std::string QueueIdText;  // identifier bytes separated by blanks
    std::string ReportName;
    std::array<bool, 3> KindEnabled{};  // hourly, daily, monthly
    bool CanRead = false;               // "Тип отчета" and "Считать" enabled
    std::string Error;                  // text of the error label ("" clears it)
    int Kind = -1;                      // the checked archive kind, -1 when none
    std::string Repeats = "2";
    std::string Timeout = "1";
};

// Reads the module's first task queue, the archive kinds of the module report file (a kind
// whose archive files are missing from Common/WayFlash is not offered) and Link/Repeats and
// Link/Timeout of the module link file. The kind checked before stays checked when it is
// still offered, else the first offered one is taken. Sets SerialNumber, ModuleType and, when
// a kind is offered, ArchiveKind of records.RepI.
ReportContext LoadReportContext(ReportRecords& records, int previousKind);

// The serial number and the module type text of the module's task queue into report, as the
// printed module lines show them.
void TakeModuleIdentity(S_repI& report, const Task_CL& queue);

// The prompt above the period pickers for an archive kind.
std::string PeriodPrompt(int kind);
