// PDF export of a prepared report: real text with embedded fonts, written atomically.
#pragma once

#include <string>

#include "output/engine/prepared_report.h"

// Writes the report as a PDF file. On failure returns false with a message in error and
// leaves nothing under path (an existing file there stays as it was).
bool ExportPdf(const PreparedReport& report, const std::string& path, std::string& error);
