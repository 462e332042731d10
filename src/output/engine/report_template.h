// A report template made in code: page setup, bands in print order, text objects with their
// assignment scripts, user datasets and the callbacks that answer the scripts' variables.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Lengths are in page units of 1/96 inch; x positions are measured from the paper's left edge.
enum class Orientation { Portrait, Landscape };

struct Margins {
    double left = 54;
    double top = 36;
    double right = 54;
    double bottom = 54;
};

struct PageSetup {
    int paper = 9;  // 9 is A4, the only paper the engine knows
    Orientation orientation = Orientation::Portrait;
    Margins margins;
};

// A4 in page units, turned by the orientation.
double PaperWidth(const PageSetup& page);
double PaperHeight(const PageSetup& page);
// "change paper": A4 in the given orientation.
void ChangePaper(PageSetup& page, Orientation orientation);

// A value handed back by the value callback: unset, text or integer.
using ReportValue = std::variant<std::monostate, std::string, int64_t>;

// A dataset without data of its own: the engine calls First once per band run, then Next
// after each record until CheckEOF answers true.
struct UserDataset {
    std::function<void()> First;
    std::function<void()> Next;
    std::function<bool()> CheckEOF;
};

struct ReportCallbacks {
    // The value of a variable used in a text ("[name]") or on the right of an assignment.
    std::function<ReportValue(const std::string& name)> GetValue;
    // The width of cross-tab column k (from 1); nullopt keeps the width the script gave.
    std::function<std::optional<double>(int k)> PrintColumn;
};

enum class TextAlign { Left, Center, Right };

// Font style bits as the scripts give them.
constexpr int kFontItalic = 1;
constexpr int kFontBold = 2;

// Frame sides.
constexpr int kFrameLeft = 1;
constexpr int kFrameTop = 2;
constexpr int kFrameRight = 4;
constexpr int kFrameBottom = 8;
constexpr int kFrameAll = 15;

// The properties a script may change; the object's own values are the starting point.
struct TextProps {
    std::string text;
    double left = 0;
    double top = 0;
    double width = 100;
    double height = 0;      // used when not stretched
    bool stretched = true;  // the height follows the text
    bool visible = true;
    std::string fontName = "Arial";
    double fontSize = 10;  // points
    int fontStyle = 0;     // kFontItalic | kFontBold
    TextAlign alignment = TextAlign::Left;
    int frameSides = 0;
    double frameWidth = 1;
};

// One assignment "target := source"; the source is an integer literal or a variable name.
struct Assignment {
    std::string target;  // width, left, top, height, Text, Stretched, visible, framewidth,
                         // FontName, FontSize, FontStyle, Alignment
    std::string source;
};

struct TextObject {
    TextProps props;  // text may hold "[name]" references and "[PAGE#]"
    std::vector<Assignment> script;
};

enum class BandKind { ReportTitle, PageHeader, MasterHeader, MasterData, MasterFooter, PageFooter };

struct Band {
    BandKind kind = BandKind::MasterData;
    // Records of a master data band; none means one record. Not owned.
    UserDataset* dataset = nullptr;
    // Columns of a cross-tab band: its objects are printed once per column, side by side
    // from the left margin. Not owned.
    UserDataset* columns = nullptr;
    // The band's rows are repeated at the top of every page that continues the next master
    // data band (a table header).
    bool repeatOnEveryPage = false;
    std::vector<TextObject> objects;
};

struct ReportTemplate {
    PageSetup page;
    std::vector<Band> bands;
};
