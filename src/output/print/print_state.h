// Everything a printed report blank is made of: the report table, the report records, the
// texts shown above and below the table, the special header and the module's identity.
#pragma once

#include <string>
#include <vector>

#include "output/header/header_model.h"
#include "output/table/report_table.h"
#include "reports/report_records.h"

// Refers to the view's objects; they must outlive the state.
struct PrintState {
    const ReportTable& Table;
    const S_repI& RepI;
    const S_repO& RepO;
    const SpecialHeader& Header;
    std::string Title;       // the title label
    std::string HeaderText;  // the header memo, lines joined by CR LF
    std::string FooterText;  // the footer memo
};

// The state of the records as the view window shows them: title, header and footer from RepO.
PrintState MakePrintState(const ReportTable& table, const ReportRecords& records,
                          const SpecialHeader& header);

// Lines joined by CR LF, as a memo shows them.
std::string JoinLines(const std::vector<std::string>& lines);
