// The report template of the blank and its page setup.
#include <cmath>

#include "output/print/print_bridge.h"
#include "output/render/pango_text.h"

namespace {

TextObject Object(std::string text, std::vector<Assignment> script, int frame = 0) {
    TextObject object;
    object.props.text = std::move(text);
    object.props.frameSides = frame;
    object.script = std::move(script);
    return object;
}

Band MakeBand(BandKind kind, std::vector<TextObject> objects) {
    Band band;
    band.kind = kind;
    band.objects = std::move(objects);
    return band;
}

// A line as wide as the page body in the report's font, with optional style and alignment.
std::vector<Assignment> WideLine(const char* style, const char* align) {
    std::vector<Assignment> script = {
        {"width", "formP"}, {"left", "54"}, {"FontName", "ftFName"}, {"FontSize", "ftFSize"}};
    if (style)
        script.push_back({"FontStyle", style});
    if (align)
        script.push_back({"Alignment", align});
    return script;
}

}  // namespace

ReportTemplate MakeReportTemplate(UserDataset& frColDataset, UserDataset& frRowDataset,
                                  UserDataset& frRowDataset2) {
    ReportTemplate report;
    report.bands.push_back(
        MakeBand(BandKind::ReportTitle, {Object("[title]", WideLine("ftStyle", "ftAlign"))}));
    TextObject module = Object("[TipM]\r\n[ZavN]\r\n\r\n", WideLine(nullptr, nullptr));
    module.props.alignment = TextAlign::Right;
    report.bands.push_back(MakeBand(BandKind::PageHeader, {module}));
    report.bands.push_back(
        MakeBand(BandKind::MasterHeader, {Object("[header]", WideLine("fhStyle", "fhAlign"))}));
    TextObject spacer = Object("   ", {});
    spacer.props.left = 54;
    report.bands.push_back(MakeBand(BandKind::MasterData, {spacer}));

    // The engine uses the height only of a cell that does not stretch (special header on).
    Band head = MakeBand(BandKind::MasterData, {Object("",
                                                       {{"Text", "kText"},
                                                        {"width", "kWidth"},
                                                        {"Stretched", "kStret"},
                                                        {"height", "kHeight"},
                                                        {"FontName", "ftFName"},
                                                        {"FontSize", "ftFSize"},
                                                        {"FontStyle", "kFStyle"},
                                                        {"Alignment", "kAlign"},
                                                        {"visible", "kVis"},
                                                        {"framewidth", "kfrW"}},
                                                       kFrameAll)});
    head.dataset = &frRowDataset2;
    head.columns = &frColDataset;
    head.repeatOnEveryPage = true;
    report.bands.push_back(head);

    Band body = MakeBand(BandKind::MasterData, {Object("",
                                                       {{"Text", "texCell"},
                                                        {"width", "WCell"},
                                                        {"framewidth", "frW"},
                                                        {"FontName", "ftFName"},
                                                        {"FontSize", "ftFSize"},
                                                        {"FontStyle", "fStyle"},
                                                        {"Alignment", "fAlign"}},
                                                       kFrameAll)});
    body.dataset = &frRowDataset;
    body.columns = &frColDataset;
    report.bands.push_back(body);

    report.bands.push_back(
        MakeBand(BandKind::MasterFooter, {Object("[footer]", WideLine("ffStyle", "ffAlign"))}));
    report.bands.push_back(MakeBand(
        BandKind::PageFooter,
        {Object(
            "",
            {{"Text", "PageN"}, {"width", "formP"}, {"left", "54"}, {"Alignment", "pnAlign"}})}));
    return report;
}

void SetUpPage(ReportTemplate& report, const S_repO& options) {
    ChangePaper(report.page, options.Portrait ? Orientation::Portrait : Orientation::Landscape);
}

int HeaderRowHeight(const std::string& fontName, int fontSize) {
    const FontSpec font{fontName, double(fontSize), 0};
    const double line = TextBoxHeight(font, "Ag", 1000) - 2 * kTextPadY;
    return int(std::ceil(line)) + 4;
}
