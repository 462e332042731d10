// cp1251 and cp866 conversions, including characters the target code page lacks.
#include "platform/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, Cp1251RoundTripOfCyrillic) {
    const std::string utf8 = "Отчет за сутки №5";
    std::string sys = Utf8ToSys(utf8);
    EXPECT_EQ(sys.size(), 17u);                           // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(sys[0]), 0xCE);  // "О"
    EXPECT_EQ(SysToUtf8(sys), utf8);
}

TEST(CodePage, Cp866NamesOfZipEntries) {
    const std::string oem = "\x8E\xE2\xE7\xA5\xE2";  // "Отчет" in cp866
    EXPECT_EQ(OemToUtf8(oem), "Отчет");
    EXPECT_EQ(Utf8ToOem("Отчет"), oem);
}

TEST(CodePage, MissingCharactersBecomeQuestionMarks) {
    // "€" exists in cp1251 but not in cp866; "中" in neither; a stray byte is not UTF-8.
    EXPECT_EQ(Utf8ToOem("a€b"), "a?b");
    EXPECT_EQ(Utf8ToSys("x中y"), "x?y");
    EXPECT_EQ(Utf8ToSys("p\xFFq"), "p?q");
    EXPECT_EQ(SysToUtf8("\x98"), "?");  // unassigned in cp1251
    EXPECT_EQ(SysToUtf8("plain ascii"), "plain ascii");
}

TEST(CodePage, Utf8Validity) {
    EXPECT_TRUE(IsValidUtf8("Путь"));
    EXPECT_FALSE(IsValidUtf8("\xCF\xF3\xF2\xFC"));  // "Путь" in cp1251
}
