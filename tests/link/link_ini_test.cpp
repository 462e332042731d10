// TLinkIni: enumerations by name, restriction sets, hexadecimal and 32-bit integers, erasing
// sections by exact name.
#include "comm/link/link_ini.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

std::string ReadText(const std::string& path) {
    auto data = ReadWholeFile(path);
    return data ? std::string(data->begin(), data->end()) : std::string("<unreadable>");
}

// The message of the ELinkIni that call throws, or "" when it throws none.
std::string LinkIniError(const std::function<void()>& call) {
    try {
        call();
    } catch (const ELinkIni& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(LinkIni, EnumerationsReadByExactName) {
    TempDir dir;
    const TLinkIni ini(dir.WriteFile("m.ini",
                                     "[Link]\n"
                                     "Type=lt485\n"
                                     "Protocol=(_._)\n"
                                     "StopBits=sb20\n"
                                     "Arc=atHalfHour\n"));
    EXPECT_EQ(ini.ReadLinkType("Link", "Type", ltUnknown), lt485);
    EXPECT_EQ(ini.ReadLinkType("link", "TYPE", ltUnknown), lt485);
    EXPECT_EQ(ini.ReadExchangeProtocol("Link", "Protocol", epFT12), epFT12);
    EXPECT_EQ(ini.ReadExchangeProtocol("Link", "Absent", epCANbus), epCANbus);
    EXPECT_EQ(ini.ReadStopBits("Link", "StopBits", sbUnknown), sb20);
    EXPECT_EQ(ini.ReadArcType("Link", "Arc", atUnknown), atHalfHour);
    EXPECT_EQ(ini.ReadArcType("Missing", "Arc", atDay), atDay);
}

TEST(LinkIni, UnknownEnumerationNameThrowsELinkIni) {
    TempDir dir;
    const TLinkIni ini(dir.WriteFile("m.ini",
                                     "[S]\n"
                                     "Bad=lt999\n"
                                     "Upper=LT485\n"
                                     "Empty=\n"
                                     "Number=2\n"
                                     "Set=rtEmeMax,rtNone\n"));
    struct Case {
        std::function<void()> read;
        std::string message;
    } const cases[] = {
        {[&] { ini.ReadLinkType("S", "Bad", ltUnknown); }, "Неизвестный тип связи: lt999"},
        {[&] { ini.ReadLinkType("S", "Upper", ltUnknown); }, "Неизвестный тип связи: LT485"},
        {[&] { ini.ReadLinkType("S", "Empty", ltUnknown); }, "Неизвестный тип связи: "},
        {[&] { ini.ReadExchangeProtocol("S", "Number", epUnknown); },
         "Неизвестный тип протокола обмена: 2"},
        {[&] { ini.ReadStopBits("S", "Bad", sbUnknown); },
         "Неизвестный тип количества стоп-бит: lt999"},
        {[&] { ini.ReadArcType("S", "Upper", atUnknown); }, "Неизвестный тип архива: LT485"},
        {[&] { ini.ReadRestrictions("S", "Set", {}); }, "Неизвестный тип ограничения: rtNone"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(LinkIniError(c.read), c.message);
    }
}

TEST(LinkIni, RestrictionSetsRead) {
    TempDir dir;
    const TLinkIni ini(dir.WriteFile("m.ini",
                                     "[S]\n"
                                     "Empty=\n"
                                     "Two=rtEmeMin,rtEmeMax\n"
                                     "Blanks= rtWarMax , rtWarMin,,\n"
                                     "Marker=(_._)\n"));
    const TRestrictionTypes def{rtWarMax};
    struct Case {
        const char* key;
        TRestrictionTypes expected;
    } const cases[] = {
        {"Empty", {}},
        {"Two", {rtEmeMax, rtEmeMin}},
        {"Blanks", {rtWarMax, rtWarMin}},
        {"Marker", def},
        {"Absent", def},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.ReadRestrictions("S", c.key, def), c.expected);
    }
}

TEST(LinkIni, WrittenFormsReadBack) {
    TempDir dir;
    const std::string path = dir / "w.ini";
    {
        TLinkIni ini(path);
        ini.WriteLinkType("S", "Type", ltIWend15);
        ini.WriteExchangeProtocol("S", "Protocol", epFT12CRCplus);
        ini.WriteStopBits("S", "StopBits", sb15);
        ini.WriteArcType("S", "Arc", atInterval);
        ini.WriteRestrictions("S", "All", {rtEmeMin, rtWarMin, rtWarMax, rtEmeMax});
        ini.WriteRestrictions("S", "Some", {rtEmeMin, rtWarMax});
        ini.WriteRestrictions("S", "None", {});
        ini.WriteHexInteger("S", "Small", 2, 31);
        ini.WriteHexInteger("S", "Minus", 2, -1);
        ini.WriteHexInteger("S", "Port", 4, 502);
        ini.WriteHexInteger("S", "Wide", 4, 0x12345);
        ini.WriteHexInteger("S", "Zero", 2, 0);
        ASSERT_TRUE(ini.Save());
    }
    EXPECT_EQ(ReadText(path),
              "[S]\n"
              "Type=ltIWend15\n"
              "Protocol=epFT12CRCplus\n"
              "StopBits=sb15\n"
              "Arc=atInterval\n"
              "All=rtEmeMax,rtWarMax,rtWarMin,rtEmeMin\n"
              "Some=rtWarMax,rtEmeMin\n"
              "None=\n"
              "Small=$1F\n"
              "Minus=$FFFFFFFF\n"
              "Port=$01F6\n"
              "Wide=$12345\n"
              "Zero=$00\n");
    const TLinkIni ini(path);
    EXPECT_EQ(ini.ReadLinkType("S", "Type", ltUnknown), ltIWend15);
    EXPECT_EQ(ini.ReadRestrictions("S", "Some", {}), (TRestrictionTypes{rtWarMax, rtEmeMin}));
    EXPECT_EQ(ini.ReadRestrictions("S", "None", {rtEmeMax}), TRestrictionTypes());
    EXPECT_EQ(ini.ReadInt32("S", "Small", 0), 31);
    EXPECT_EQ(ini.ReadInt32("S", "Minus", 0), -1);
    EXPECT_EQ(ini.ReadInt32("S", "Port", 0), 502);
}

TEST(LinkIni, Int32ValuesAndGarbage) {
    TempDir dir;
    const TLinkIni ini(dir.WriteFile("m.ini",
                                     "[S]\n"
                                     "a=$FFFFFFFE\n"
                                     "b=0x80000000\n"
                                     "c=-2147483648\n"
                                     "d=2147483648\n"
                                     "e=4294967295\n"
                                     "f=$100000000\n"
                                     "g=12abc\n"
                                     "h=\n"
                                     "i= 42 \n"
                                     "j=-$10\n"));
    struct Case {
        const char* key;
        int32_t expected;
    } const cases[] = {
        {"a", -2}, {"b", INT32_MIN}, {"c", INT32_MIN}, {"d", 7},   {"e", 7},      {"f", 7},
        {"g", 7},  {"h", 7},         {"i", 42},        {"j", -16}, {"absent", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.ReadInt32("S", c.key, 7), c.expected);
    }
}

TEST(LinkIni, EraseSectionsNamedMatchesExactly) {
    TempDir dir;
    const std::string text = "[LINK]\nType=lt232\n[Common]\nNNum=1\n[Otch1]\nA=1\n";
    {
        TLinkIni ini(dir.WriteFile("m.ini", text));
        ini.EraseSectionsNamed("Link");
        EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"LINK", "Common", "Otch1"}));
        ini.EraseSectionsNamed("LINK");
        EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Common", "Otch1"}));
    }
    TLinkIni ini(dir.WriteFile("m.ini", text));
    ini.EraseSectionsNamed("");
    EXPECT_TRUE(ini.ReadSections().empty());
}
