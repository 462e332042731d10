// IniFile: tolerant reading, file order, number parsing, value round trips and atomic saving.
#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

std::string ReadText(const std::string& path) {
    auto data = ReadWholeFile(path);
    return data ? std::string(data->begin(), data->end()) : std::string("<unreadable>");
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST(IniFile, MissingFileReadsDefaultsAndSaveCreatesIt) {
    TempDir dir;
    IniFile ini(dir / "new.ini");
    EXPECT_FALSE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("Common", "WayBD", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("Common", "Kind", -1), -1);
    EXPECT_TRUE(ini.ReadSections().empty());
    ini.WriteString("Common", "WayBD", "/data/db.zip");
    ini.WriteInteger("Common", "BDZemratype", 0);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadText(dir / "new.ini"), "[Common]\nWayBD=/data/db.zip\nBDZemratype=0\n");
}

TEST(IniFile, DirectoryIsNotLoaded) {
    TempDir dir;
    IniFile ini(dir.MakeDir("sub.ini"));
    EXPECT_FALSE(ini.Loaded());
}

TEST(IniFile, LineEndingsJunkAndMissingFinalNewline) {
    TempDir dir;
    using namespace std::string_literals;
    const std::string text =
        "\x01\x02\xFF\xFE junk\0more\r\n"s
        "[Common]\r\n"
        "VS=1\r\n"
        "\0\0\0\n[Link]\n"
        "Type=3\n"
        "garbage line without equals\n"
        "Timeout=250";
    IniFile ini(dir.WriteFile("m.ini", text));
    EXPECT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadInteger("Common", "VS", -1), 1);
    EXPECT_EQ(ini.ReadInteger("Link", "Type", -1), 3);
    EXPECT_EQ(ini.ReadInteger("Link", "Timeout", -1), 250);
    EXPECT_EQ(ini.ReadSection("Link"), (std::vector<std::string>{"Type", "Timeout"}));
}

TEST(IniFile, NamesIgnoreCaseAndDuplicatesMerge) {
    TempDir dir;
    IniFile ini(dir.WriteFile("d.ini",
                              "[Report]\nName=first\nColumns=2\n"
                              "[Other]\nx=1\n"
                              "[REPORT]\nname=second\nTitle=T\n"));
    EXPECT_TRUE(ini.SectionExists("report"));
    EXPECT_TRUE(ini.ValueExists("rePort", "COLUMNS"));
    EXPECT_FALSE(ini.ValueExists("Report", "Missing"));
    EXPECT_FALSE(ini.SectionExists("Missing"));
    EXPECT_EQ(ini.ReadString("report", "NAME", ""), "second");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Report", "Other"}));
    EXPECT_EQ(ini.ReadSectionValues("Report"),
              (Pairs{{"Name", "second"}, {"Columns", "2"}, {"Title", "T"}}));
}

TEST(IniFile, SectionsAndKeysComeInFileOrderNewOnesLast) {
    TempDir dir;
    IniFile ini(dir.WriteFile("o.ini",
                              "[Zeta]\nk9=a\nk1=b\nK5=c\n"
                              "[alpha]\n"
                              "[Mid]\n10=x\n2=y\n1=z\n"));
    ini.WriteString("New", "b", "1");
    ini.WriteString("Zeta", "a0", "new");
    ini.WriteString("zeta", "k1", "changed");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Zeta", "alpha", "Mid", "New"}));
    EXPECT_EQ(ini.ReadSection("Zeta"), (std::vector<std::string>{"k9", "k1", "K5", "a0"}));
    EXPECT_EQ(ini.ReadSection("Mid"), (std::vector<std::string>{"10", "2", "1"}));
    EXPECT_TRUE(ini.ReadSection("alpha").empty());
    EXPECT_TRUE(ini.ReadSection("absent").empty());
    EXPECT_EQ(ini.ReadSectionValues("Zeta"),
              (Pairs{{"k9", "a"}, {"k1", "changed"}, {"K5", "c"}, {"a0", "new"}}));
}

TEST(IniFile, IntegerBooleanAndFloatParsing) {
    struct Case {
        const char* value;
        long long integer;  // read with default -7
        bool boolean;       // read with default true
    };
    const Case cases[] = {
        {"12", 12, true},
        {"0", 0, false},
        {"-5", -5, true},
        {"+3", 3, true},
        {"2", 2, true},
        {"$FF", 255, true},
        {"$ff", 255, true},
        {"$0", 0, false},
        {"0x1A", 26, true},
        {"0X1a", 26, true},
        {"-$10", -16, true},
        {"$FFFFFFFF", 4294967295LL, true},
        {"9223372036854775807", 9223372036854775807LL, true},
        {"-9223372036854775808", LLONG_MIN, true},
        {"9223372036854775808", -7, true},
        {"99999999999999999999", -7, true},
        {"", -7, true},
        {"abc", -7, true},
        {"12abc", -7, true},
        {"1 2", -7, true},
        {"$", -7, true},
        {"0x", -7, true},
        {"$G1", -7, true},
        {"1.5", -7, true},
        {"true", -7, true},
        {"--1", -7, true},
    };
    TempDir dir;
    IniFile ini(dir / "n.ini");
    for (const Case& c : cases) {
        ini.WriteString("N", "k", c.value);
        EXPECT_EQ(ini.ReadInteger("N", "k", -7), c.integer) << c.value;
        EXPECT_EQ(ini.ReadBool("N", "k", true), c.boolean) << c.value;
    }
    EXPECT_FALSE(ini.ReadBool("N", "absent", false));
    EXPECT_TRUE(ini.ReadBool("N", "absent", true));

    const std::pair<const char*, double> floats[] = {
        {"1.5", 1.5}, {"1,5", 1.5}, {"-2e3", -2000}, {"+0.25", 0.25}, {"7", 7},
        {"", -1},     {"x", -1},    {"1.5.2", -1},   {"1,5x", -1},
    };
    for (const auto& [text, expected] : floats) {
        ini.WriteString("F", "v", text);
        EXPECT_DOUBLE_EQ(ini.ReadFloat("F", "v", -1), expected) << text;
    }
}

TEST(IniFile, WrittenValuesReadBackIdenticalAfterSave) {
    const std::string values[] = {
        "plain",           "  leading",       "trailing  ", " both ",  "\tTab", "a=b=c",
        "Дата, Время",     "\"quoted\"",      "\"",         "\" half", "",      " ",
        "; not a comment", "[not a section]", "%1.2f",
    };
    TempDir dir;
    const std::string path = dir / "rt.ini";
    {
        IniFile ini(path);
        for (size_t i = 0; i < std::size(values); ++i)
            ini.WriteString("Отчет", "key" + std::to_string(i), values[i]);
        ini.WriteBool("Flags", "on", true);
        ini.WriteBool("Flags", "off", false);
        ini.WriteInteger("Flags", "neg", -42);
        ini.WriteFloat("Flags", "f", 0.1);
        ASSERT_TRUE(ini.Save());
    }
    IniFile back(path);
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.ReadString("Отчет", "key" + std::to_string(i), "<absent>"), values[i])
            << '[' << values[i] << ']';
    EXPECT_EQ(back.ReadString("Flags", "on", ""), "1");
    EXPECT_EQ(back.ReadString("Flags", "off", ""), "0");
    EXPECT_EQ(back.ReadInteger("Flags", "neg", 0), -42);
    EXPECT_EQ(back.ReadFloat("Flags", "f", 0), 0.1);
}

TEST(IniFile, LineBreaksCannotAddLinesToTheFile) {
    TempDir dir;
    const std::string path = dir / "inj.ini";
    {
        IniFile ini(path);
        ini.WriteString("Report", "Title", "A\r\n[Link]\nType=5");
        ini.WriteString("Report\nX", "Key\n", "v");
        ASSERT_TRUE(ini.Save());
    }
    IniFile back(path);
    EXPECT_EQ(back.ReadSections(), (std::vector<std::string>{"Report", "Report X"}));
    EXPECT_EQ(back.ReadString("Report", "Title", ""), "A  [Link] Type=5");
    EXPECT_EQ(back.ReadString("Report X", "Key", ""), "v");
}

TEST(IniFile, SaveKeepsOtherSectionsKeysAndComments) {
    TempDir dir;
    const std::string path = dir.WriteFile("keep.ini",
                                           "; settings\n"
                                           "\n"
                                           "[Common]\r\n"
                                           "WayBD=/db\r\n"
                                           "; the reports\r\n"
                                           "WayReports=/rep\r\n"
                                           "[Link]\r\n"
                                           "Type=1\r\n"
                                           "[Options]\r\n"
                                           "TreeViewType=2");
    IniFile ini(path);
    ini.WriteString("Link", "Type", "4");
    ini.WriteString("Common", "WayFast", "/fast");
    ini.WriteString("Extra", "k", "v");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadText(path),
              "; settings\n"
              "\n"
              "\n"
              "[Common]\n"
              "WayBD=/db\n"
              "\n"
              "; the reports\n"
              "WayReports=/rep\n"
              "WayFast=/fast\n"
              "\n"
              "\n"
              "[Link]\n"
              "Type=4\n"
              "\n"
              "\n"
              "[Options]\n"
              "TreeViewType=2\n"
              "\n"
              "\n"
              "[Extra]\n"
              "k=v\n");
}

TEST(IniFile, EraseAndDelete) {
    TempDir dir;
    const std::string path = dir.WriteFile("e.ini",
                                           "[A]\nx=1\ny=2\n"
                                           "[B]\nz=3\n"
                                           "[C]\nw=4\n");
    {
        IniFile ini(path);
        ini.DeleteKey("a", "X");
        ini.DeleteKey("B", "z");
        ini.DeleteKey("B", "absent");
        ini.EraseSection("absent");
        EXPECT_EQ(ini.ReadSectionValues("A"), (Pairs{{"y", "2"}}));
        EXPECT_TRUE(ini.SectionExists("B"));  // a section left without keys stays
        ini.EraseSection("c");
        EXPECT_FALSE(ini.SectionExists("C"));
        ini.EraseSection("A");
        ini.WriteString("A", "again", "1");  // a rewritten section moves to the end
        EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"B", "A"}));
        ASSERT_TRUE(ini.Save());
    }
    IniFile back(path);
    EXPECT_EQ(back.ReadSections(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(back.ReadSectionValues("A"), (Pairs{{"again", "1"}}));
    back.EraseAllSections();
    EXPECT_TRUE(back.ReadSections().empty());
    back.WriteString("Report", "Name", "n");
    ASSERT_TRUE(back.Save());
    EXPECT_EQ(ReadText(path), "[Report]\nName=n\n");
}

TEST(IniFile, FailedSaveLeavesTheOldFileIntact) {
    TempDir dir;
    IniFile lost(dir / "no-such-dir/x.ini");
    lost.WriteString("S", "k", "v");
    EXPECT_FALSE(lost.Save());

    const std::string original = "[Common]\nWayBD=/old\n";
    const std::string path = dir.WriteFile("s.ini", original);
    IniFile ini(path);
    ini.WriteString("Common", "Big", std::string(100000, 'x'));
    // A file-size limit makes the write of the temporary file fail.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = ini.Save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadText(path), original);
    EXPECT_EQ(ListDirectory(dir.Path()).size(), 1u);  // no temporary file left behind
}
