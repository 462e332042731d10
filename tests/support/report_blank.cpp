// A report blank made in code, answered from a plain table.
#include "support/report_blank.h"

#include <algorithm>
#include <cstdio>

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

// The assignments of a line as wide as the page body, with optional style and alignment.
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

BlankTable SampleTable(int rowCount, int columnCount) {
    BlankTable table;
    std::vector<BlankHeaderCell> titles;
    for (int c = 0; c < columnCount; ++c) {
        table.widths.push_back(c == 0 ? 110 : 52);
        titles.push_back({c == 0 ? "Дата" : "Пар. " + std::to_string(c)});
    }
    table.headerRows = {titles};
    for (int r = 0; r < rowCount; ++r) {
        std::vector<std::string> row;
        char label[32];
        std::snprintf(label, sizeof label, "%02d.11.15 %02d:00", 1 + r / 24 % 28, r % 24);
        row.push_back(label);
        for (int c = 1; c < columnCount; ++c)
            row.push_back(std::to_string((r * 7 + c * 13) % 1000) + "," + std::to_string(c % 10));
        table.rows.push_back(row);
    }
    std::vector<std::string> summary = {"Итого"};
    for (int c = 1; c < columnCount; ++c)
        summary.push_back(std::to_string(c * 1000 + rowCount));
    table.rows.push_back(summary);
    return table;
}

ReportBlank::ReportBlank(BlankTable table) : table_(std::move(table)) {
    const int columnCount = int(table_.widths.size());
    columns_ = {[this] { column_ = 0; }, [this] { ++column_; },
                [this, columnCount] { return column_ > columnCount - 1; }};
    rows_ = {[this] { row_ = 0; }, [this] { ++row_; },
             [this] { return row_ > int(table_.rows.size()) - 1; }};
    headerRows_ = {[this] { headerRow_ = 0; }, [this] { ++headerRow_; },
                   [this] { return headerRow_ > int(table_.headerRows.size()) - 1; }};
    callbacks_.GetValue = [this](const std::string& name) { return Value(name); };
    callbacks_.PrintColumn = [this](int k) -> std::optional<double> {
        return table_.widths.at(size_t(k - 1));
    };
    Build();
}

void ReportBlank::Build() {
    ChangePaper(template_.page, table_.orientation);
    template_.bands.push_back(
        MakeBand(BandKind::ReportTitle, {Object("[title]", WideLine("ftStyle", "ftAlign"))}));
    TextObject module = Object("[TipM]\r\n[ZavN]\r\n\r\n", WideLine(nullptr, nullptr));
    module.props.alignment = TextAlign::Right;
    template_.bands.push_back(MakeBand(BandKind::PageHeader, {module}));
    template_.bands.push_back(
        MakeBand(BandKind::MasterHeader, {Object("[header]", WideLine("fhStyle", "fhAlign"))}));
    template_.bands.push_back(MakeBand(BandKind::MasterData, {Object("   ", {})}));

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
    head.dataset = &headerRows_;
    head.columns = &columns_;
    head.repeatOnEveryPage = true;
    template_.bands.push_back(head);

    Band body = MakeBand(BandKind::MasterData, {Object("",
                                                       {{"Text", "texCell"},
                                                        {"width", "WCell"},
                                                        {"framewidth", "frW"},
                                                        {"FontName", "ftFName"},
                                                        {"FontSize", "ftFSize"},
                                                        {"FontStyle", "fStyle"},
                                                        {"Alignment", "fAlign"}},
                                                       kFrameAll)});
    body.dataset = &rows_;
    body.columns = &columns_;
    template_.bands.push_back(body);

    template_.bands.push_back(
        MakeBand(BandKind::MasterFooter, {Object("[footer]", WideLine("ffStyle", "ffAlign"))}));
    template_.bands.push_back(MakeBand(
        BandKind::PageFooter,
        {Object(
            "",
            {{"Text", "PageN"}, {"width", "formP"}, {"left", "54"}, {"Alignment", "pnAlign"}})}));
}

ReportValue ReportBlank::Value(const std::string& name) const {
    const bool summary = row_ == int(table_.rows.size()) - 1;
    const auto headerCell = [this]() -> const BlankHeaderCell& {
        return table_.headerRows.at(size_t(headerRow_)).at(size_t(column_));
    };
    if (name == "texCell")
        return table_.rows.at(size_t(row_)).at(size_t(column_));
    if (name == "WCell")
        return int64_t(table_.widths.at(size_t(column_)));
    if (name == "frW")
        return int64_t(summary ? 2 : 1);
    if (name == "fStyle" || name == "ftStyle")
        return int64_t(summary || name == "ftStyle" ? kFontBold : 0);
    if (name == "fAlign")
        return std::string(column_ == 0 ? "taLeftJustify" : "taRightJustify");
    if (name == "kText")
        return headerCell().text;
    if (name == "kWidth") {
        double width = 0;
        for (int c = column_; c < column_ + std::max(1, headerCell().colspan); ++c)
            width += table_.widths.at(size_t(c));
        return int64_t(width);
    }
    if (name == "kHeight")
        return int64_t(table_.headerRowHeight * std::max(1, headerCell().rowspan));
    if (name == "kVis")
        return int64_t(headerCell().rowspan >= 1 && headerCell().colspan >= 1 ? 1 : 0);
    if (name == "kStret")
        return int64_t(table_.specialHeader ? 0 : 1);
    if (name == "kFStyle")
        return int64_t(kFontBold);
    if (name == "kAlign" || name == "ftAlign")
        return std::string("taCenter");
    if (name == "kfrW")
        return int64_t(1);
    if (name == "ftFName")
        return table_.fontName;
    if (name == "ftFSize")
        return int64_t(table_.fontSize);
    if (name == "formP")
        return int64_t(table_.orientation == Orientation::Portrait ? 645 : 892);
    if (name == "title")
        return table_.title;
    if (name == "header")
        return table_.header;
    if (name == "footer")
        return table_.footer;
    if (name == "ZavN") {
        char serial[8];
        std::snprintf(serial, sizeof serial, "%04X", table_.serial & 0xFFFF);
        return "Заводской номер: " + std::string(serial);
    }
    if (name == "TipM")
        return "Тип модуля: " + table_.moduleType;
    if (name == "PageN" && table_.pageNumberPos > 0)
        return std::string("[PAGE#]");
    if (name == "pnAlign")
        return std::string(table_.pageNumberPos == 2   ? "taRightJustify"
                           : table_.pageNumberPos == 3 ? "taLeftJustify"
                                                       : "taCenter");
    return {};
}
