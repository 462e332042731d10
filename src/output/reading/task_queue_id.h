// The task-queue identifier a controller reports, against the one stored for its module.
#pragma once

#include <string>

// The text of the mismatch panel.
inline constexpr const char* kQueueIdMismatchText =
    " ID сохраненной очереди задач и ID из прибора не совпали.  Номера архивных параметров в "
    "настройках могут не соответствовать действительным.";

// Compares the controller's identifier (blanks removed) with that of the module's first
// *.tsk, then, when they differ, with Common/realId of the module link file (blanks removed
// on every side, letter case ignored). storedShown gets the stored identifier that was
// compared last: the queue's, or the realId value when that was consulted. True when equal.
bool CheckTaskQueueId(const std::string& moduleDir, const std::string& deviceId,
                      std::string& storedShown);

// Accepts the controller's identifier for the module: writes it as Common/realId into the
// module link file (the first *.ini of moduleDir), leaving the rest of the file as it was.
// False when there is no readable link file, the identifier is not hexadecimal text, or
// the file cannot be written.
bool AcceptDeviceId(const std::string& moduleDir, const std::string& deviceId);
