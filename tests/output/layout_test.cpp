// Laying out and paginating the report blank: repeated table header, merged header cells,
// page numbers, landscape width, hostile cell texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "output/engine/object_script.h"
#include "output/engine/prepare_report.h"
#include "support/report_blank.h"

namespace {

std::vector<const TextItem*> ItemsWithText(const PreparedPage& page, const std::string& text) {
    std::vector<const TextItem*> found;
    for (const TextItem& item : page.items) {
        if (item.text == text)
            found.push_back(&item);
    }
    return found;
}

PreparedReport Prepare(BlankTable table) {
    ReportBlank blank(std::move(table));
    return PrepareReport(blank.Template(), blank.Callbacks());
}

TEST(ReportLayout, LongTableRepeatsItsHeaderAndKeepsEveryRowOnce) {
    const BlankTable table = SampleTable(150, 5);
    const PreparedReport report = Prepare(table);
    ASSERT_GE(report.pages.size(), 3u);

    size_t rowsSeen = 0;
    for (size_t p = 0; p < report.pages.size(); ++p) {
        const PreparedPage& page = report.pages[p];
        EXPECT_NEAR(page.width, 793.7, 0.1);
        EXPECT_NEAR(page.height, 1122.5, 0.1);
        // The header row is on every page, above every data row of that page.
        const auto header = ItemsWithText(page, "Дата");
        ASSERT_EQ(header.size(), 1u) << "page " << p + 1;
        double lowestBody = 0;
        for (const TextItem& item : page.items) {
            if (item.x == 54 && item.frameSides == kFrameAll && item.text != "Дата") {
                EXPECT_GT(item.y, header[0]->y);
                EXPECT_LE(item.y + item.height, page.height - 54);
                lowestBody = std::max(lowestBody, item.y + item.height);
                ++rowsSeen;
            }
        }
        // Module lines on every page, the page number at the bottom, below the table.
        EXPECT_EQ(ItemsWithText(page, "Тип модуля: Zemra-100\nЗаводской номер: 00A1\n\n").size(),
                  1u);
        const auto number = ItemsWithText(page, std::to_string(p + 1));
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ(number[0]->alignment, TextAlign::Center);
        EXPECT_GE(number[0]->y, lowestBody);
    }
    EXPECT_EQ(rowsSeen, table.rows.size());
    // Title on the first page only, signature lines after the summary row on the last.
    EXPECT_EQ(ItemsWithText(report.pages[0], table.title).size(), 1u);
    EXPECT_TRUE(ItemsWithText(report.pages[1], table.title).empty());
    const auto signature = ItemsWithText(report.pages.back(), table.footer);
    ASSERT_EQ(signature.size(), 1u);
    const auto total = ItemsWithText(report.pages.back(), "Итого");
    ASSERT_EQ(total.size(), 1u);
    EXPECT_GE(signature[0]->y, total[0]->y + total[0]->height);
    EXPECT_EQ(total[0]->fontStyle, kFontBold);
    EXPECT_EQ(total[0]->frameWidth, 2);
}

TEST(ReportLayout, MergedHeaderCellsPrintOnceWithSummedSize) {
    BlankTable table = SampleTable(3, 4);
    table.specialHeader = true;
    table.headerRowHeight = 22;
    table.headerRows = {
        {{"№ / Дата", 2, 1}, {"Тепло", 1, 2}, {"", 1, 0}, {"Масса", 2, 1}},
        {{"", 0, 1}, {"Q1", 1, 1}, {"Q2", 1, 1}, {"", 0, 1}},
    };
    const PreparedReport report = Prepare(table);
    const PreparedPage& page = report.pages.at(0);

    const auto merged = ItemsWithText(page, "Тепло");
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0]->width, table.widths[1] + table.widths[2]);
    EXPECT_EQ(merged[0]->height, 22);
    const auto tall = ItemsWithText(page, "№ / Дата");
    ASSERT_EQ(tall.size(), 1u);
    EXPECT_EQ(tall[0]->height, 44);
    // The covered cells are not printed: the two header rows hold five framed cells.
    int headerCells = 0;
    for (const TextItem& item : page.items)
        headerCells += item.frameSides && item.y < tall[0]->y + 44 ? 1 : 0;
    EXPECT_EQ(headerCells, 5);
    // The second row starts below the first; the first data row below both.
    const auto q2 = ItemsWithText(page, "Q2");
    ASSERT_EQ(q2.size(), 1u);
    EXPECT_EQ(q2[0]->y, merged[0]->y + 22);
    EXPECT_EQ(q2[0]->x, 54 + table.widths[0] + table.widths[1]);
    const auto firstRow = ItemsWithText(page, table.rows[0][0]);
    ASSERT_EQ(firstRow.size(), 1u);
    EXPECT_EQ(firstRow[0]->y, tall[0]->y + 44);
}

TEST(ReportLayout, LandscapeWidensThePageLines) {
    BlankTable table = SampleTable(2, 3);
    table.orientation = Orientation::Landscape;
    table.pageNumberPos = 3;
    const PreparedReport report = Prepare(table);
    const PreparedPage& page = report.pages.at(0);
    EXPECT_GT(page.width, page.height);
    for (const std::string& text : {table.title, table.footer, std::string("1")}) {
        const auto found = ItemsWithText(page, text);
        ASSERT_EQ(found.size(), 1u) << text;
        EXPECT_EQ(found[0]->width, 892);
        EXPECT_EQ(found[0]->x, 54);
    }
    EXPECT_EQ(ItemsWithText(page, "1")[0]->alignment, TextAlign::Left);
}

TEST(ReportLayout, NoPageNumberWhenItsPositionIsNone) {
    BlankTable table = SampleTable(120, 3);
    table.pageNumberPos = 0;
    const PreparedReport report = Prepare(table);
    ASSERT_GE(report.pages.size(), 2u);
    for (const PreparedPage& page : report.pages) {
        for (const TextItem& item : page.items) {
            EXPECT_NE(item.text, "1");
            EXPECT_NE(item.text, "2");
            EXPECT_NE(item.text, "[PAGE#]");
        }
    }
}

TEST(ReportLayout, HostileCellTextsStillGiveAReport) {
    BlankTable table = SampleTable(4, 3);
    table.rows[0][1] = std::string(200000, 'W') + " конец";
    table.rows[1][1] =
        "a\x01"
        "b\r\nc\xff";
    table.rows[2][1] = "[title] [PAGE#x]";
    table.headerRows[0][2].text = std::string(6000, 'H');  // a header taller than a page
    table.fontName = "Шрифт, которого нет";                // fontconfig falls back to another face
    const PreparedReport report = Prepare(table);
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
