// Reading the current report from the module's controller over its link.
#pragma once

#include <functional>
#include <string>

#include "output/reading/link_overrides.h"
#include "output/reading/reading_result.h"
#include "output/reading/task_queue_id.h"
#include "output/table/build_table.h"

struct ControllerReading {
    std::string TimeoutText;  // "Время ожидания (сек)" as the user typed it
    std::string RepeatsText;  // "Количество повторов" as typed
    // Status label texts; "" hides and clears the label.
    std::function<void(const std::string& status)> Status;
    // "Сохранить лог": exchange log lines go to the daily log file and the registered log
    // window.
    bool SaveLog = false;
};

struct ControllerOutcome {
    ReadingResult Result;  // Code 0 or negative; Message is the message of the absolute code
    // The exchange's own error text; worth showing when Result.Code != 0 and its trimmed text
    // is not "OK".
    std::string ExchangeError;
    bool Mismatch = false;  // the task-queue identifiers differ
    std::string DeviceId;   // "ID (из прибора):", blanks removed
    std::string StoredId;  // "ID (сохраненный):", the realId value when it was consulted
};

// Connects with the module link file's settings (the time-out and repeats entered for this
// reading where they qualify), checks the adapter, finds the module by Common/Setn, reads its
// clock, report hour (F023h), report day (F022h) and task-queue identifier (F028h) and, when
// the identifier matches, builds the table over the link. Codes: −7 end ≤ start, −3 no usable
// link settings, −4 no connection (or a failed read of the clock or the report hour and day),
// −5 the adapter does not answer, −6 no module with that network number, −13 identifier
// mismatch, else the negated code of the table build. The link is always closed afterwards.
ControllerOutcome ReadFromController(ReportTable& table, ReportRecords& records,
                                     const ControllerReading& reading, TDateTime start,
                                     TDateTime end, const TableProgress& progress);
