// TConfiguration: loading the "Link" section (defaults of missing keys, garbage, ELinkIni),
// saving it beside other sections that must survive unchanged, and the IP settings check.
#include "comm/link/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "comm/link/elink_ini.h"
#include "comm/link/new_link.h"
#include "comm/link/pin_code.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/prompts.h"
#include "support/temp_dir.h"

namespace {

std::string ReadText(const std::string& path) {
    auto data = ReadWholeFile(path);
    return data ? std::string(data->begin(), data->end()) : std::string("<unreadable>");
}

// The file's sections in file order: the "[name]" line and the section's other lines
// (blank lines left out).
std::vector<std::pair<std::string, std::string>> SectionBlocks(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> blocks;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(pos, end - pos);
        if (line.starts_with("["))
            blocks.emplace_back(line, "");
        else if (line != "\n" && !blocks.empty())
            blocks.back().second += line;
        pos = end;
    }
    return blocks;
}

// Every field of a link as one line of text, so that a difference names the field.
std::string Describe(const TCustomLink& link) {
    std::string d =
        "Type=" + std::to_string(link.Type) + " NNum=" + std::to_string(link.NNum) +
        " Repeats=" + std::to_string(link.Repeats) + " Timeout=" + std::to_string(link.Timeout) +
        " Protocol=" + std::to_string(link.Protocol) + " Sposob=" + std::to_string(link.Sposob) +
        " NNum_dopAdapt=" + std::to_string(link.NNum_dopAdapt);
    if (const auto* rs = dynamic_cast<const TRSLink*>(&link))
        d += " COM=" + std::to_string(rs->COM) + " Speed=" + std::to_string(rs->Speed) +
             " StopBits=" + std::to_string(rs->StopBits);
    if (const auto* irps = dynamic_cast<const TIRPSLink*>(&link))
        d += " IrpsProv=" + std::to_string(irps->IrpsProv);
    if (const auto* wend = dynamic_cast<const TWend15Link*>(&link))
        d += " WendProv=" + std::to_string(wend->WendProv) +
             " Channel=" + std::to_string(wend->Channel);
    if (const auto* modem = dynamic_cast<const TModem*>(&link))
        d += " PhoneNumb=" + modem->PhoneNumb + " ATstroka=" + modem->ATstroka +
             " TimeoutModem=" + std::to_string(modem->TimeoutModem) +
             " ANSWER=" + std::to_string(modem->ANSWER);
    if (const auto* hayes = dynamic_cast<const THayesLink*>(&link))
        d += " NaborPT=" + std::to_string(hayes->NaborPT);
    if (const auto* gsm = dynamic_cast<const TGSMLink*>(&link))
        d += " Pin=" + gsm->Pin;
    if (const auto* ip = dynamic_cast<const TIPLink*>(&link))
        d += " IP=" + ip->IP + " Port=" + std::to_string(ip->Port) +
             " TipAdEth=" + std::to_string(ip->TipAdEth);
    return d;
}

// Sets every field of the link to a value that differs from every default.
void FillAllFields(TCustomLink& link) {
    link.NNum = 0x1F;
    link.Repeats = 5;
    link.Timeout = 7;
    link.Protocol = epFT12CRC;
    link.Sposob = 2;
    link.NNum_dopAdapt = 12;
    if (auto* rs = dynamic_cast<TRSLink*>(&link)) {
        rs->COM = 4;
        rs->Speed = 19200;
        if (!dynamic_cast<TCANbusLink*>(rs))
            rs->StopBits = sb20;
    }
    if (auto* irps = dynamic_cast<TIRPSLink*>(&link))
        irps->IrpsProv = 3;
    if (auto* wend = dynamic_cast<TWend15Link*>(&link)) {
        wend->WendProv = 1;
        wend->Channel = 200;
    }
    if (auto* modem = dynamic_cast<TModem*>(&link)) {
        modem->PhoneNumb = "+7 (495) 123-45-67";
        modem->ATstroka = "AT&F E0";
        modem->TimeoutModem = 90;
    }
    if (auto* hayes = dynamic_cast<THayesLink*>(&link)) {
        hayes->ANSWER = true;
        hayes->NaborPT = true;
    }
    if (auto* gsm = dynamic_cast<TGSMLink*>(&link))
        gsm->Pin = "4321";
    if (auto* ip = dynamic_cast<TIPLink*>(&link)) {
        ip->IP = "192.168.10.20";
        ip->Port = 4001;
        ip->TipAdEth = 2;
    }
}

// A module link file with a Common section before and a report section after the Link section.
const char* const kModuleFile =
    "[Common]\n"
    "Source=1\n"
    "NNum=0A\n"
    "Flash=/media/usb\n"
    "\n"
    "[Link]\n"
    "Type=lt232\n"
    "COM=9\n"
    "\n"
    "[Otch_1]\n"
    "Name=Суточный отчет\n"
    "Col1=12,3\n"
    "Col2=\n";

std::vector<std::pair<std::string, std::string>> WithoutLink(
    std::vector<std::pair<std::string, std::string>> blocks) {
    std::erase_if(blocks, [](const auto& b) { return b.first == "[Link]\n"; });
    return blocks;
}

size_t LinkSectionCount(const std::string& text) {
    size_t count = 0;
    for (const auto& block : SectionBlocks(text))
        count += block.first == "[Link]\n";
    return count;
}

}  // namespace

TEST(Configuration, MissingSettingsLoadAsNoLink) {
    TempDir dir;
    for (const char* text : {"", "[Common]\nNNum=1\n", "[Link]\nNNum=$1F\nCOM=2\n",
                             "[Link]\nType=ltUnknown\nCOM=2\n", "[Link]\nType=(_._)\n"}) {
        SCOPED_TRACE(text);
        TConfiguration config;
        config.SetLink(std::make_unique<TRS232Link>());
        config.LoadFromFile(dir.WriteFile("m.ini", text));
        EXPECT_EQ(config.Link(), nullptr);
    }
    TConfiguration config;
    config.LoadFromFile(dir / "does-not-exist.ini");
    EXPECT_EQ(config.Link(), nullptr);
}

// A key missing from the file reads as the constructor's value: 0 for the kinds whose
// constructors skip the base values, -1 for the others; some keys have fixed read defaults.
TEST(Configuration, MissingKeysReadAsConstructorValues) {
    TempDir dir;
    struct Case {
        const char* text;
        std::string expected;
    } const cases[] = {
        {"[Link]\nType=lt232\n",
         "Type=1 NNum=0 Repeats=0 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=0 Speed=0 "
         "StopBits=0"},
        {"[Link]\nType=ltGSM\n",
         "Type=8 NNum=-1 Repeats=-1 Timeout=-1 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=-1 "
         "Speed=-1 StopBits=1 PhoneNumb= ATstroka= TimeoutModem=60 ANSWER=0 Pin="},
        {"[Link]\nType=ltHayes\n",
         "Type=7 NNum=-1 Repeats=-1 Timeout=-1 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=-1 "
         "Speed=-1 StopBits=1 PhoneNumb= ATstroka= TimeoutModem=60 ANSWER=0 NaborPT=0"},
        {"[Link]\nType=ltIrps\n",
         "Type=3 NNum=0 Repeats=0 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=0 Speed=0 "
         "StopBits=0 IrpsProv=-1"},
        {"[Link]\nType=ltIWend15\n",
         "Type=5 NNum=0 Repeats=0 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=0 Speed=0 "
         "StopBits=0 WendProv=-1 Channel=0"},
        {"[Link]\nType=ltCANbus\nStopBits=sb20\n",
         "Type=6 NNum=0 Repeats=0 Timeout=0 Protocol=4 Sposob=0 NNum_dopAdapt=-1 COM=0 "
         "Speed=115200 StopBits=1"},
        {"[Link]\nType=ltUDP\n",
         "Type=10 NNum=0 Repeats=0 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 IP= Port=0 "
         "TipAdEth=0"},
        // Letter case of names, "$" numbers, the absent marker, duplicate keys (the last
        // wins) and a second Link section merged into the first.
        {"[link]\ntype=lt485\nnnum=$1F\nProtocol=(_._)\nRepeats=2\nRepeats=3\n"
         "[Common]\nNNum=5\n[LINK]\nSpeed=$2580\nCOM=$FFFFFFFF\n",
         "Type=2 NNum=31 Repeats=3 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=-1 "
         "Speed=9600 StopBits=0"},
        // Garbage numbers read as the defaults.
        {"[Link]\nType=ltIWend15\nNNum=abc\nTimeout=99999999999\nSposob=x\nNNum_dopAdapt=\n"
         "WendProv=1.5\nChannel=300\nCOM=-\n",
         "Type=5 NNum=0 Repeats=0 Timeout=0 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=0 Speed=0 "
         "StopBits=0 WendProv=-1 Channel=0"},
        {"[Link]\nType=ltGSM\nTimeoutModem=junk\nANSWER=1\nsmth=\n",
         "Type=8 NNum=-1 Repeats=-1 Timeout=-1 Protocol=0 Sposob=0 NNum_dopAdapt=-1 COM=-1 "
         "Speed=-1 StopBits=1 PhoneNumb= ATstroka= TimeoutModem=60 ANSWER=0 Pin="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TConfiguration config;
        config.LoadFromFile(dir.WriteFile("m.ini", c.text));
        ASSERT_NE(config.Link(), nullptr);
        EXPECT_EQ(Describe(*config.Link()), c.expected);
    }
}

TEST(Configuration, BadEnumerationNamesThrowELinkIni) {
    TempDir dir;
    struct Case {
        const char* text;
        const char* message;
        bool linkBuilt;
    } const cases[] = {
        {"[Link]\nType=lt9600\n", "Неизвестный тип связи: lt9600", false},
        {"[Link]\nType=\n", "Неизвестный тип связи: ", false},
        {"[Link]\nType=lt485\nProtocol=FT12\n", "Неизвестный тип протокола обмена: FT12", true},
        {"[Link]\nType=ltHayes\nStopBits=2\n", "Неизвестный тип количества стоп-бит: 2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TConfiguration config;
        try {
            config.LoadFromFile(dir.WriteFile("m.ini", c.text));
            ADD_FAILURE() << "no ELinkIni";
        } catch (const ELinkIni& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(config.Link() != nullptr, c.linkBuilt);
    }
}

TEST(Configuration, PinThatIsNotHexadecimalFailsTheLoad) {
    TempDir dir;
    TConfiguration config;
    EXPECT_THROW(config.LoadFromFile(dir.WriteFile("m.ini", "[Link]\nType=ltGSM\nsmth=96ZZ\n")),
                 EPinConvert);
}

TEST(Configuration, SaveLoadRoundTripOfEveryKindKeepsOtherSections) {
    TempDir dir;
    const auto original = SectionBlocks(kModuleFile);
    for (TLinkType type :
         {lt232, lt485, ltIrps, ltIWend73, ltIWend15, ltCANbus, ltHayes, ltGSM, ltTCP, ltUDP}) {
        SCOPED_TRACE(type);
        const std::string path = dir.WriteFile("m.ini", kModuleFile);
        auto link = NewLink(type);
        FillAllFields(*link);
        const std::string expected = Describe(*link);
        TConfiguration config;
        config.SetLink(std::move(link));
        ASSERT_TRUE(config.SaveToFile(path));
        ASSERT_TRUE(config.SaveToFile(path));

        const std::string text = ReadText(path);
        EXPECT_EQ(LinkSectionCount(text), 1u);
        EXPECT_EQ(WithoutLink(SectionBlocks(text)), WithoutLink(original));
        TConfiguration loaded;
        loaded.LoadFromFile(path);
        ASSERT_NE(loaded.Link(), nullptr);
        EXPECT_EQ(Describe(*loaded.Link()), expected);
    }
}

TEST(Configuration, StoredFormOfTheLinkSection) {
    TempDir dir;
    const std::string path = dir / "m.ini";
    auto gsm = std::make_unique<TGSMLink>();
    gsm->Pin = "1234";
    TConfiguration config;
    config.SetLink(std::move(gsm));
    ASSERT_TRUE(config.SaveToFile(path));
    EXPECT_EQ(ReadText(path),
              "[Link]\n"
              "Type=ltGSM\n"
              "NNum=$FFFFFFFF\n"
              "Repeats=-1\n"
              "Timeout=-1\n"
              "Protocol=epUnknown\n"
              "Sposob=0\n"
              "NNum_dopAdapt=-1\n"
              "COM=-1\n"
              "Speed=-1\n"
              "StopBits=sb10\n"
              "PhoneNumb=\n"
              "ATstroka=\n"
              "TimeoutModem=0\n"
              "smth=96959493\n");
    TConfiguration loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Link()->NNum, -1);

    auto tcp = std::make_unique<TTCPLink>(0);
    tcp->Port = 502;
    tcp->NNum = 0x1F;
    config.SetLink(std::move(tcp));
    ASSERT_TRUE(config.SaveToFile(path));
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Link", "NNum", ""), "$1F");
    EXPECT_EQ(ini.ReadString("Link", "Port", ""), "$01F6");
    EXPECT_FALSE(ini.ValueExists("Link", "smth"));
}

TEST(Configuration, SavingNoLinkRemovesTheSectionOnly) {
    TempDir dir;
    const std::string path = dir.WriteFile("m.ini", kModuleFile);
    TConfiguration config;
    ASSERT_TRUE(config.SaveToFile(path));
    const std::string text = ReadText(path);
    EXPECT_EQ(LinkSectionCount(text), 0u);
    EXPECT_EQ(SectionBlocks(text), WithoutLink(SectionBlocks(kModuleFile)));
}

TEST(Configuration, SaveFailureIsReported) {
    TempDir dir;
    TConfiguration config;
    config.SetLink(std::make_unique<TRS485Link>());
    EXPECT_FALSE(config.SaveToFile(dir / "missing-dir/m.ini"));
    EXPECT_FALSE(config.SaveToFile(dir.MakeDir("a-directory.ini")));
}

// A file that exists but cannot be read is left alone: writing only the Link section into it
// would lose every other section.
TEST(Configuration, UnreadableFileIsNotOverwritten) {
    TempDir dir;
    const std::string path = dir.WriteFile("m.ini", kModuleFile);
    std::filesystem::resize_file(path, kMaxIniFileBytes + 1);
    TConfiguration config;
    config.SetLink(std::make_unique<TRS485Link>());
    EXPECT_FALSE(config.SaveToFile(path));
    EXPECT_EQ(std::filesystem::file_size(path), kMaxIniFileBytes + 1);
}

TEST(Configuration, CheckIpSettings) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TCustomLink>()> make;
        bool passes;
        const char* message;
    } const cases[] = {
        {"no link", [] { return nullptr; }, true, nullptr},
        {"serial", [] { return std::make_unique<TRS232Link>(); }, true, nullptr},
        {"base IP class", [] { return std::make_unique<TIPLink>(); }, true, nullptr},
        {"TCP without IP",
         [] {
             auto l = std::make_unique<TTCPLink>(0);
             l->Port = 502;
             return l;
         },
         false, "В настройках связи отсутствует IP-адрес"},
        {"UDP port 0",
         [] {
             auto l = std::make_unique<TUDPLink>(0);
             l->IP = "10.0.0.1";
             return l;
         },
         false, "В настройках связи указан неверный номер TCP/UDP порта"},
        {"TCP negative port",
         [] {
             auto l = std::make_unique<TTCPLink>(0);
             l->IP = "host";
             l->Port = -1;
             return l;
         },
         false, "В настройках связи указан неверный номер TCP/UDP порта"},
        {"UDP complete",
         [] {
             auto l = std::make_unique<TUDPLink>(1);
             l->IP = "10.0.0.1";
             l->Port = 1;
             return l;
         },
         true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        TConfiguration config;
        config.SetLink(c.make());
        EXPECT_EQ(config.CheckIpSettings(prompts), c.passes);
        if (c.message) {
            ASSERT_EQ(prompts.History().size(), 1u);
            EXPECT_EQ(prompts.History()[0].text, c.message);
        } else {
            EXPECT_TRUE(prompts.History().empty());
        }
    }
}
