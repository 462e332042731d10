// Preparing a report: bands run over their datasets, then the rows are placed on pages.
#pragma once

#include <vector>

#include "output/engine/band_layout.h"
#include "output/engine/prepared_report.h"
#include "output/engine/report_template.h"

// Places laid-out bands on pages of the page setup. The report title opens the first page,
// the page header follows it there and opens every other page, the page footer closes every
// page at its bottom margin. A band marked to repeat is kept on one page with the first row
// of the band after it and is printed again at the top of every page that band continues on
// (unless it would take more than half the page body). A row taller than the room left on a
// fresh page is cut to fit. "[PAGE#]" becomes the page number.
PreparedReport PaginateBands(const std::vector<LaidBand>& bands, const PageSetup& page);

// Runs the template's bands and paginates them.
PreparedReport PrepareReport(const ReportTemplate& report, const ReportCallbacks& callbacks);
