// The system locale's separators: the patterns they come from and the environment's locale.
#include <gtest/gtest.h>

#include "platform/format_settings.h"
#include "support/scoped_env.h"

namespace {

TEST(FormatSettings, PatternSeparatorSkipsConversions) {
    struct Case {
        const char* pattern;
        char expected;
    } cases[] = {{"%d.%m.%Y", '.'},   {"%m/%d/%y", '/'}, {"%Y-%m-%d", '-'}, {"%H:%M:%S", ':'},
                 {"%-d.%-m.%Y", '.'}, {"%Ey %d", '?'},   {"%T", '?'},       {"", '?'}};
    for (const Case& c : cases)
        EXPECT_EQ(PatternSeparator(c.pattern, '?'), c.expected) << c.pattern;
}

TEST(FormatSettings, PlainOrMissingLocalesKeepTheDefaults) {
    const FormatSettings defaults;
    for (const char* name : {"C", "C.UTF-8", "POSIX", "xx_NOWHERE.UTF-8"}) {
        ScopedEnv all("LC_ALL", std::string(name));
        const FormatSettings fs = SystemFormatSettings();
        EXPECT_EQ(fs.DecimalSeparator, defaults.DecimalSeparator) << name;
        EXPECT_EQ(fs.DateSeparator, defaults.DateSeparator) << name;
        EXPECT_EQ(fs.TimeSeparator, defaults.TimeSeparator) << name;
    }
}

}  // namespace
