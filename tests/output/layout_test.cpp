// The engine with hostile input (huge, broken and template-like cell texts, a header taller
// than a page, a missing font) and the assignment scripts of text objects.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/engine/object_script.h"
#include "output/engine/prepare_report.h"
#include "output/header/header_model.h"
#include "output/print/print_bridge.h"
#include "support/print_fixture.h"

namespace {

TEST(ReportLayout, HostileCellTextsStillGiveAReport) {
    ReportTable table = SampleReportTable(4, 2);
    table.Columns[1].Cells[1] = std::string(200000, 'W') + " конец";
    table.Columns[1].Cells[2] =
        "a\x01"
        "b\r\nc\xff";
    table.Columns[1].Cells[3] = "[title] [PAGE#x]";
    const ReportRecords records = SampleRecords();
    SpecialHeader header;
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, {});
    header.Cells[2].text = std::string(6000, 'H');  // a header taller than a page
    const PrintState state = MakePrintState(table, records, header);
    PrintBridge bridge(state);
    // A font that does not exist: fontconfig falls back to another face.
    ReportCallbacks callbacks = bridge.Callbacks();
    callbacks.GetValue = [&bridge](const std::string& name) -> ReportValue {
        if (name == "ftFName")
            return std::string("Шрифт, которого нет");
        return bridge.Callbacks().GetValue(name);
    };
    const PreparedReport report = PrepareReport(bridge.Template(), callbacks);
    ASSERT_GE(report.pages.size(), 2u);
    // The huge cell is cut to its length limit and to the page body; texts still measure.
    for (const PreparedPage& page : report.pages) {
        for (const TextItem& item : page.items) {
            EXPECT_LE(item.y + item.height, page.height - 54 + 0.001);
            EXPECT_GT(item.height, 5);
        }
    }
    bool cleaned = false, literal = false;
    for (const PreparedPage& page : report.pages) {
        cleaned |= !ItemsWithText(page, "a b\nc\xef\xbf\xbd").empty();
        literal |= !ItemsWithText(page, "[title] [PAGE#x]").empty();
    }
    EXPECT_TRUE(cleaned);
    EXPECT_TRUE(literal);  // data is never expanded as a template text
}

TEST(ReportScript, AssignmentsTakeValuesLiteralsAndLeaveUnsetAlone) {
    TextObject object;
    object.props.text = "[a]-[missing]-[PAGE#]";
    object.props.width = 77;
    object.script = {{"left", "54"},         {"width", "unset"},  {"FontStyle", "style"},
                     {"Alignment", "align"}, {"FontSize", "bad"}, {"visible", "zero"},
                     {"FontName", "font"}};
    ReportCallbacks callbacks;
    callbacks.GetValue = [](const std::string& name) -> ReportValue {
        if (name == "a")
            return std::string("[b]");
        if (name == "style")
            return int64_t(3);
        if (name == "align")
            return std::string("taRightJustify");
        if (name == "bad")
            return std::string("x12");
        if (name == "zero")
            return int64_t(0);
        if (name == "font")
            return std::string("Times New Roman");
        return {};
    };
    const TextProps props = EvaluateObject(object, callbacks);
    EXPECT_EQ(props.text, "[b]--[PAGE#]");
    EXPECT_EQ(props.left, 54);
    EXPECT_EQ(props.width, 77);
    EXPECT_EQ(props.fontStyle, kFontBold | kFontItalic);
    EXPECT_EQ(props.alignment, TextAlign::Right);
    EXPECT_EQ(props.fontSize, 10);
    EXPECT_FALSE(props.visible);
    EXPECT_EQ(props.fontName, "Times New Roman");
}

}  // namespace
