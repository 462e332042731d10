// Gathering the printed state from the report records.
#include "output/print/print_state.h"

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i > 0 ? "\r\n" : "") + lines[i];
    return text;
}

PrintState MakePrintState(const ReportTable& table, const ReportRecords& records,
                          const SpecialHeader& header) {
    return {table,
            records.RepI,
            records.RepO,
            header,
            records.RepO.Title,
            JoinLines(records.RepO.Header),
            JoinLines(records.RepO.Footer)};
}
