// The time-out and repeats a user enters for one reading in place of the link's own.
#include <gtest/gtest.h>

#include "output/reading/link_overrides.h"

namespace {

struct OverrideCase {
    const char* text;
    int configured;
    int expected;
};

TEST(LinkOverrides, TimeoutIsTakenFromTheConfiguredOneUpToTen) {
    const OverrideCase cases[] = {
        {"3", 5, 5},   {"12", 5, 5},  {"7", 5, 7},   {"5", 5, 5},
        {"10", 5, 10}, {" 8 ", 5, 8}, {"7.5", 5, 5}, {"7x", 5, 5},
        {"", 5, 5},    {"-7", 5, 5},  {"+6", 5, 6},  {"99999999999999999999", 5, 5},
        {"7", 12, 12},
    };
    for (const OverrideCase& c : cases)
        EXPECT_EQ(EffectiveTimeout(c.text, c.configured), c.expected)
            << '"' << c.text << "\" over " << c.configured;
}

TEST(LinkOverrides, RepeatsAreTakenFromOneToFive) {
    const OverrideCase cases[] = {
        {"0", 2, 2}, {"6", 2, 2}, {"1", 2, 1}, {"5", 2, 5}, {"3", 2, 3}, {"", 2, 2}, {"abc", 2, 2},
    };
    for (const OverrideCase& c : cases)
        EXPECT_EQ(EffectiveRepeats(c.text, c.configured), c.expected)
            << '"' << c.text << "\" over " << c.configured;
}

}  // namespace
