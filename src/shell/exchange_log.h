// The exchange log: one text file per day in the profile's "Log" folder, mirrored into the
// log memo of the window that reads at the moment.
#pragma once

#include <functional>
#include <string>

#include "platform/date_time.h"

// The log memo of a window: gets every logged text. newFile tells that the day's file has just
// been started, so the memo is to be emptied before the text is added.
using LogSink = std::function<void(const std::string& text, bool newFile)>;

// Registers the log window; an empty function removes the registration.
void SetLogWindow(LogSink sink);

// "dd_mm_yy.Txt" for the day of when.
std::string ExchangeLogFileName(TDateTime when);

// Appends "hh:nn:ss:zzz : text" to the day's file in logDir (created when missing) and hands
// the text to the log window. Returns false when the file could not be written; the log
// window gets the text all the same.
bool WriteExchangeLogTo(const std::string& logDir, TDateTime when, const std::string& text);

// WriteExchangeLogTo the profile's "Log" folder at the current time.
void WriteExchangeLog(const std::string& text);
