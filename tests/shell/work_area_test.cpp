// Fitting a window to the work area.
#include "shell/work_area.h"

#include <gtest/gtest.h>

namespace {

TEST(FitToWorkArea, ShrinksEachDirectionByOneStepWhenTooBig) {
    const WorkArea area{0, 0, 1680, 1050};
    struct Case {
        WindowSize in, out;
    } cases[] = {
        {{648, 1000}, {648, 900}},     // 1000 + 100 > 1050
        {{648, 900}, {648, 900}},      // 900 + 100 = 1000, not greater
        {{648, 950}, {648, 950}},      // exactly at the bottom
        {{648, 951}, {648, 851}},      // one pixel over
        {{1600, 362}, {1500, 362}},    // width only
        {{1900, 1400}, {1800, 1300}},  // one step at most, even when still too big
    };
    for (const Case& c : cases) {
        const WindowSize got = FitToWorkArea(c.in, area);
        EXPECT_EQ(got.width, c.out.width) << c.in.width << "x" << c.in.height;
        EXPECT_EQ(got.height, c.out.height) << c.in.width << "x" << c.in.height;
    }
}

TEST(FitToWorkArea, UsesTheAreasEdgeCoordinatesNotItsSize) {
    // A work area starting lower (task bar on top) has a larger bottom coordinate.
    const WindowSize got = FitToWorkArea({648, 1000}, WorkArea{0, 40, 1680, 1120});
    EXPECT_EQ(got.height, 1000);
}

}  // namespace
