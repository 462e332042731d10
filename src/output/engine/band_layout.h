// First step of preparing a report: every band is run over its datasets and each record
// becomes a row of measured text boxes.
#pragma once

#include <vector>

#include "output/engine/prepared_report.h"
#include "output/engine/report_template.h"

// One record of a band: boxes with x on the paper and y from the row's top.
struct LaidRow {
    double height = 0;
    std::vector<TextItem> items;
};

struct LaidBand {
    BandKind kind = BandKind::MasterData;
    bool repeatOnEveryPage = false;
    std::vector<LaidRow> rows;
};

// Runs the bands in template order. In a cross-tab row every visible box that stretches to
// its text takes the row's height, so the frames of a row line up; a box of fixed height
// keeps it (a header cell merged over several rows reaches into the rows below). The row
// advances by the tallest stretched box, or by the lowest fixed box when that is taller; a
// row without visible boxes takes no room.
std::vector<LaidBand> LayOutBands(const ReportTemplate& report, const ReportCallbacks& callbacks);
