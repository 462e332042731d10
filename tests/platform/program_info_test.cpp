// Version, executable path and executable date of the running program (this test binary).
#include "platform/program_info.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/date_time.h"
#include "platform/files.h"
#include "support/scoped_env.h"

TEST(ProgramInfo, VersionHasThreeNumbers) {
    EXPECT_TRUE(std::regex_match(ProgramVersion(), std::regex(R"(\d+\.\d+\.\d+)")))
        << ProgramVersion();
}

TEST(ProgramInfo, FileAndDirectoryOfTheRunningExecutable) {
    const std::string file = ProgramFile();
    EXPECT_EQ(ExtractFileName(file), "velorm_platform_tests");
    EXPECT_TRUE(FileExists(file));
    const std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_EQ(dir + ExtractFileName(file), file);
}

TEST(ProgramInfo, FileDateIsLocalTime) {
    double utc = 0, moscow = 0, now = 0;
    {
        ScopedEnv tz("TZ", "UTC0");
        utc = ProgramFileDate();
    }
    {
        ScopedEnv tz("TZ", "MSK-3");
        moscow = ProgramFileDate();
        now = Now();
    }
    EXPECT_GT(utc, EncodeDate(2000, 1, 1));
    EXPECT_NEAR(moscow - utc, 3.0 / 24, 1e-9);
    EXPECT_LE(moscow, now);
}
