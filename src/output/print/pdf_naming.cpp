// PDF file names from the report's period and controller.
#include "output/print/pdf_naming.h"

#include <algorithm>

#include "model/binary/le_fields.h"
#include "platform/files.h"

namespace {

// A date label as a piece of a file name: no time colons, no path delimiters.
std::string FileNamePiece(std::string text) {
    std::replace(text.begin(), text.end(), ':', '_');
    std::replace(text.begin(), text.end(), '/', '_');
    std::replace(text.begin(), text.end(), '\\', '_');
    return text;
}

}  // namespace

std::string PeriodFileName(const ReportTable& table) {
    if (table.RowCount() < 3)
        return "";
    const int column = table.DateColumn();
    return FileNamePiece(Trim(table.Cell(column, 1))) + " - " +
           FileNamePiece(Trim(table.Cell(column, table.RowCount() - 2))) + ".pdf";
}

std::optional<std::string> GeneratePdfName(const ReportTable& table,
                                           const std::string& controllerName, uint16_t serial) {
    if (table.RowCount() < 3)
        return std::nullopt;
    std::string name = controllerName;
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\\', '_');
    return name + " (" + Hex4(serial) + ") " + PeriodFileName(table);
}
