// Which file supplies which report setting, and writing the appearance options back.
#include "reports/report_settings.h"

#include <array>

#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "reports/text_sections.h"

namespace {

constexpr const char* kKeySummaryOnly = "SummaryOnly";
constexpr const char* kKeyExtraCol = "ExtraCol";
constexpr const char* kKeyExtraTHeader = "ExtraTHeader";
constexpr const char* kKeySaveOpt = "SaveOpt";
constexpr const char* kKeyPageFormat = "PageFormat";
constexpr const char* kKeyZavN = "ZavN";
constexpr const char* kKeyTipM = "TipM";
constexpr const char* kKeyPageNum = "PageNum";
constexpr const char* kKeyAddrPdfKat = "AddrPdfKat";
constexpr const char* kKeyAddrPdfFl = "AddrPdfFl";
constexpr const char* kKeyFontName = "FontName";
constexpr const char* kKeyFontStyle = "FontStyle";

constexpr std::array<const char*, 3> kDateTitleKeys = {"DateTitleH", "DateTitleD", "DateTitleM"};
constexpr std::array<const char*, 3> kDateTitleDefaults = {"Дата, Время", "Дата", "Дата"};

// The option triples of the whole report and their sections.
struct TripleSection {
    const char* Section;
    OptionTriple S_repO::*Field;
};
constexpr std::array<TripleSection, 5> kTriples = {{{"TitleOpt", &S_repO::TitleOpt},
                                                    {"HeaderOpt", &S_repO::HeaderOpt},
                                                    {"FooterOpt", &S_repO::FooterOpt},
                                                    {"SummaryOpt", &S_repO::SummaryOpt},
                                                    {"TabHeadOpt", &S_repO::TabHeadOpt}}};

int ReadInt(const IniFile& ini, const char* key, int def) {
    return static_cast<int>(ini.ReadInteger(kSecReport, key, def));
}

// The module file's lines when its section has keys, else the descriptor's.
std::vector<std::string> ReadLines(const IniFile& descriptor, const IniFile& module,
                                   const char* section) {
    std::vector<std::string> fromDescriptor;
    std::vector<std::string> fromModule;
    ReadTextSection(descriptor, section, fromDescriptor, fromModule);
    ReadTextSection(module, section, fromModule, fromDescriptor);
    return fromModule;
}

}  // namespace

void ReadDateSettings(const IniFile& descriptor, int archiveKind, std::string& dateFormat,
                      std::string& dateTitle) {
    dateFormat = descriptor.ReadString(kSecReport, kKeyDateFormat, "DD.MM.YY HH:NN");
    if (archiveKind >= 0 && archiveKind < static_cast<int>(kDateTitleKeys.size()))
        dateTitle = descriptor.ReadString(kSecReport, kDateTitleKeys[archiveKind],
                                          kDateTitleDefaults[archiveKind]);
}

void LoadReportSettings(const IniFile& descriptor, const IniFile& module, ReportRecords& records) {
    S_repO& o = records.RepO;
    S_repI& i = records.RepI;
    o.Title = module.ReadString(kSecReport, kKeyTitle, "");
    if (o.Title.empty())
        o.Title = descriptor.ReadString(kSecReport, kKeyTitle, "");
    o.Header = ReadLines(descriptor, module, kSecHeader);
    o.Footer = ReadLines(descriptor, module, kSecFooter);
    o.SummaryCaption = descriptor.ReadString(kSecReport, kKeySummary, "");
    o.SummaryOnly = module.ReadBool(kSecReport, kKeySummaryOnly, false);
    o.ColumnCount = ReadInt(descriptor, kKeyColumns, 0);
    ReadDateSettings(descriptor, i.ArchiveKind, i.DateFormat, o.DateTitle);
    i.NumberingColumn = module.ReadBool(kSecReport, kKeyExtraCol, false);
    i.SpecialHeader = module.ReadBool(kSecReport, kKeyExtraTHeader, false);
    i.SaveOptions = module.ReadBool(kSecReport, kKeySaveOpt, true);
    o.PdfDir = module.ReadString(kSecReport, kKeyAddrPdfKat, "");
    o.PdfFileName = module.ReadString(kSecReport, kKeyAddrPdfFl, "");
    o.FontNameIndex = ReadInt(module, kKeyFontName, 0);
    if (o.FontNameIndex == -1)
        o.FontNameIndex = 0;
    o.FontSizeIndex = ReadInt(module, kKeyFontStyle, kDefaultFontSizeIndex);
    if (o.FontSizeIndex == -1)
        o.FontSizeIndex = kDefaultFontSizeIndex;
    o.Portrait = module.ReadBool(kSecReport, kKeyPageFormat, true);
    o.PageNumber = ReadInt(module, kKeyPageNum, pnCenter);
    o.PrintSerialNumber = module.ReadBool(kSecReport, kKeyZavN, false);
    o.PrintModuleType = module.ReadBool(kSecReport, kKeyTipM, false);
    for (const TripleSection& t : kTriples)
        o.*t.Field = ReadOptionTriple(module, t.Section);
}

bool SaveReportSettingsTo(const ReportRecords& records, const std::string& path) {
    if (!records.Loaded)
        return true;
    const S_repI& i = records.RepI;
    const S_repO& o = records.RepO;
    IniFile ini(path);
    ini.WriteBool(kSecReport, kKeySaveOpt, i.SaveOptions);
    if (i.SaveOptions) {
        ini.WriteBool(kSecReport, kKeySummaryOnly, o.SummaryOnly);
        ini.WriteBool(kSecReport, kKeyExtraCol, i.NumberingColumn);
        ini.WriteBool(kSecReport, kKeyExtraTHeader, i.SpecialHeader);
        ini.WriteBool(kSecReport, kKeyPageFormat, o.Portrait);
        ini.WriteBool(kSecReport, kKeyZavN, o.PrintSerialNumber);
        ini.WriteBool(kSecReport, kKeyTipM, o.PrintModuleType);
        ini.WriteInteger(kSecReport, kKeyPageNum, o.PageNumber);
        ini.WriteString(kSecReport, kKeyAddrPdfKat, o.PdfDir);
        ini.WriteString(kSecReport, kKeyAddrPdfFl, o.PdfFileName);
        ini.WriteInteger(kSecReport, kKeyFontName, o.FontNameIndex);
        ini.WriteInteger(kSecReport, kKeyFontStyle, o.FontSizeIndex);
        for (const TripleSection& t : kTriples)
            WriteOptionTriple(ini, t.Section, o.*t.Field);
    }
    return ini.Save();
}

bool SaveReportSettings(const ReportRecords& records) {
    return SaveReportSettingsTo(records, records.RepI.ModuleReportPath);
}
