// Paper size of the page setup.
#include "output/engine/report_template.h"

namespace {
// A4, 210 by 297 mm, in units of 1/96 inch.
constexpr double kA4Short = 210.0 / 25.4 * 96.0;
constexpr double kA4Long = 297.0 / 25.4 * 96.0;
}  // namespace

double PaperWidth(const PageSetup& page) {
    return page.orientation == Orientation::Portrait ? kA4Short : kA4Long;
}

double PaperHeight(const PageSetup& page) {
    return page.orientation == Orientation::Portrait ? kA4Long : kA4Short;
}

void ChangePaper(PageSetup& page, Orientation orientation) {
    page.paper = 9;
    page.orientation = orientation;
}
