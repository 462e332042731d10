// Lower case of UTF-8 text: Latin and Cyrillic letters, other characters and broken bytes.
#include "platform/text_case.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8LowerCase, LowersLettersAndKeepsTheRest) {
    const std::pair<std::string, std::string> cases[] = {
        {"Суточная ВЕДОМОСТЬ", "суточная ведомость"},
        {"ЁЖИК Ёлка", "ёжик ёлка"},
        {"Zemra-100 (00A1)", "zemra-100 (00a1)"},
        {"№ 5, 10%", "№ 5, 10%"},
        {"", ""},
        {std::string("A\xD0") + "Б", std::string("a\xD0") + "б"},  // a cut sequence is kept
        {"\xFF\xC3\xA9", "\xFF\xC3\xA9"},
    };
    for (const auto& [text, lower] : cases)
        EXPECT_EQ(Utf8LowerCase(text), lower) << text;
}

}  // namespace
