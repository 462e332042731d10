// PDF file names made from the report's period and controller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "output/table/report_table.h"

// "<first label> - <last label>.pdf" from the date labels of the first and last data rows,
// trimmed, with ":" (and path delimiters) written as "_"; "" when the table has no data row.
std::string PeriodFileName(const ReportTable& table);

// "<controller> (<serial as four hex digits>) " + PeriodFileName; nothing when the table has
// no data row (the name field is then left as it was). Path delimiters in the controller name
// are written as "_", so the name stays one file name.
std::optional<std::string> GeneratePdfName(const ReportTable& table,
                                           const std::string& controllerName, uint16_t serial);
