// The working records of the open report: which report (S_repI), its texts and appearance
// (S_repO) and the column being loaded or edited (S_colO).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/option_triple.h"

// Archive kinds of a report.
inline constexpr int kReportHourly = 0;
inline constexpr int kReportDaily = 1;
inline constexpr int kReportMonthly = 2;

struct S_repI {
    std::string ModuleDir;         // the module's directory under ModulesDir
    std::string DescriptorPath;    // the report descriptor in ReportsDir
    std::string ModuleReportPath;  // the module report file in <module dir>/Reports
    std::string ModuleType;        // module type text of the task queue
    uint16_t SerialNumber = 0;     // controller factory number
    int ArchiveKind = kReportHourly;
    std::string DateFormat;
    bool NumberingColumn = false;  // Report/ExtraCol: a first column "№" numbers the rows
    bool SpecialHeader = false;    // Report/ExtraTHeader: table header from the special grid
    bool SaveOptions = true;       // Report/SaveOpt: options are written back on leaving
};

// Page number positions.
enum PageNumberPos { pnNone = 0, pnCenter = 1, pnRight = 2, pnLeft = 3 };

inline constexpr std::array<const char*, 2> kReportFontNames = {"Arial", "Times New Roman"};
inline constexpr std::array<int, 13> kReportFontSizes = {5,  6,  7,  8,  9,  10, 11,
                                                         12, 14, 16, 18, 20, 22};
inline constexpr int kDefaultFontSizeIndex = 5;  // size 10

struct S_repO {
    std::string Title;
    std::vector<std::string> Header;  // one entry per line
    std::vector<std::string> Footer;
    std::string SummaryCaption;
    OptionTriple TitleOpt, HeaderOpt, FooterOpt, TabHeadOpt, SummaryOpt;
    bool SummaryOnly = false;
    bool PrintSerialNumber = false;  // Report/ZavN
    bool PrintModuleType = false;    // Report/TipM
    int PageNumber = pnCenter;
    std::string DateTitle;
    bool Portrait = true;  // Report/PageFormat
    int FontNameIndex = 0;
    int FontSizeIndex = kDefaultFontSizeIndex;  // stored under Report/FontStyle
    std::string PdfDir;                         // Report/AddrPdfKat
    std::string PdfFileName;                    // Report/AddrPdfFl
    int ColumnCount = 0;
};

struct S_colO {
    int Id = 0;
    std::string Title;
    std::string Format = "%1.2f";
    std::string Summary = "csNone";
    int Width = 50;  // pixels of the table grid
    OptionTriple Options;
    int ArchiveParam = 0;  // number of the archive parameter
    int ArchiveDepth = 0;  // records in that parameter's archive
};

// The three records of the open report and whether a report has been loaded into them.
struct ReportRecords {
    S_repI RepI;
    S_repO RepO;
    S_colO ColO;
    bool Loaded = false;  // saving is skipped while false
};

// The program-wide records of the report view window and the quick save.
ReportRecords& CurrentReport();

// "H", "D" or "M" by the archive kind; "" for any other kind.
std::string ArchiveKindSuffix(const S_repI& report);

// Font name and point size of the stored indexes (out-of-range indexes give the defaults).
const char* ReportFontName(int index);
int ReportFontSize(int index);
