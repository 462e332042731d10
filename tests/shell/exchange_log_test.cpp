// The daily exchange log file and the log window.
#include "shell/exchange_log.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

std::string ReadText(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

struct Received {
    std::string text;
    bool newFile;
    bool operator==(const Received&) const = default;
};

TEST(ExchangeLog, AppendsTimedLinesToTheDaysFileAndTellsTheWindow) {
    TempDir dir;
    const std::string logDir = dir / "Log";
    std::vector<Received> memo;
    SetLogWindow([&](const std::string& text, bool newFile) { memo.push_back({text, newFile}); });

    const TDateTime morning = EncodeDateTime(2024, 3, 5, 7, 8, 9, 45);
    const TDateTime later = EncodeDateTime(2024, 3, 5, 23, 59, 59, 999);
    const TDateTime nextDay = EncodeDateTime(2024, 3, 6, 0, 0, 0, 0);
    EXPECT_TRUE(WriteExchangeLogTo(logDir, morning, ">> 10 49 FE"));
    EXPECT_TRUE(WriteExchangeLogTo(logDir, later, "<< E5"));
    EXPECT_TRUE(WriteExchangeLogTo(logDir, nextDay, "next"));
    SetLogWindow(nullptr);
    EXPECT_TRUE(WriteExchangeLogTo(logDir, nextDay, "unseen"));

    EXPECT_EQ(ExchangeLogFileName(morning), "05_03_24.Txt");
    EXPECT_EQ(ReadText(logDir + "/05_03_24.Txt"),
              "07:08:09:045 : >> 10 49 FE\n23:59:59:999 : << E5\n");
    EXPECT_EQ(ReadText(logDir + "/06_03_24.Txt"), "00:00:00:000 : next\n00:00:00:000 : unseen\n");
    EXPECT_EQ(memo,
              (std::vector<Received>{{">> 10 49 FE", true}, {"<< E5", false}, {"next", true}}));
}

TEST(ExchangeLog, ExistingFileIsAppendedNotReplaced) {
    TempDir dir;
    dir.WriteFile("Log/01_01_25.Txt", "earlier\n");
    EXPECT_TRUE(WriteExchangeLogTo(dir / "Log", EncodeDateTime(2025, 1, 1, 1, 2, 3, 4), "x"));
    EXPECT_EQ(ReadText(dir / "Log/01_01_25.Txt"), "earlier\n01:02:03:004 : x\n");
}

TEST(ExchangeLog, UnwritableFolderStillReachesTheWindow) {
    TempDir dir;
    const std::string notADir = dir.WriteFile("plain", "");
    std::vector<std::string> memo;
    SetLogWindow([&](const std::string& text, bool) { memo.push_back(text); });
    EXPECT_FALSE(WriteExchangeLogTo(notADir, EncodeDateTime(2025, 1, 1, 0, 0, 0, 0), "text"));
    SetLogWindow(nullptr);
    EXPECT_EQ(memo, std::vector<std::string>{"text"});
}

}  // namespace
