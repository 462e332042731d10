// The prepared-report file ".frp": a versioned JSON list of pages and their text boxes.
#pragma once

#include <optional>
#include <string>

#include "output/engine/prepared_report.h"

// The format version this program writes and the newest it reads.
constexpr int kFrpVersion = 1;

// Writes the report atomically; false with a message in error when it cannot.
bool SavePreparedReport(const PreparedReport& report, const std::string& path, std::string& error);

// Reads a report written by SavePreparedReport. A file that is not ours, is damaged, comes
// from a newer version or describes sizes no report has gives nullopt and a message.
std::optional<PreparedReport> LoadPreparedReport(const std::string& path, std::string& error);
