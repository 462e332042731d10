// The print layout bridge: the blank laid out from a report table and its records (repeated
// table header, summary styles, merged header cells, page numbers, landscape) and the values
// the template's variables get.
#include <gtest/gtest.h>

#include "output/engine/object_script.h"
#include "output/header/header_model.h"
#include "output/print/print_bridge.h"
#include "output/print/print_codes.h"
#include "output/table/table_columns.h"
#include "support/print_fixture.h"

namespace {

const TextItem& OnlyItem(const PreparedPage& page, const std::string& text) {
    const auto found = ItemsWithText(page, text);
    EXPECT_EQ(found.size(), 1u) << text;
    return found.empty() ? page.items.at(0) : *found[0];
}

class PrintLayoutTest : public ::testing::Test {
  protected:
    PreparedReport Prepare() {
        if (header_.Cells.empty())
            BuildDefaultHeader(header_, table_, records_.RepO.HeaderOpt, {});
        return PrepareBlank(MakePrintState(table_, records_, header_));
    }

    ReportTable table_ = SampleReportTable(3, 4);
    ReportRecords records_ = SampleRecords();
    SpecialHeader header_;
};

TEST_F(PrintLayoutTest, LongTableRepeatsItsHeaderOnEveryPage) {
    table_ = SampleReportTable(150, 4);
    const PreparedReport report = Prepare();
    ASSERT_GE(report.pages.size(), 3u);
    size_t rowsSeen = 0;
    for (size_t p = 0; p < report.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const PreparedPage& page = report.pages[p];
        EXPECT_NEAR(page.width, 793.7, 0.1);
        const TextItem& header = OnlyItem(page, "Дата");
        EXPECT_EQ(header.fontStyle, kFontBold);
        EXPECT_EQ(header.alignment, TextAlign::Center);
        double lowestBody = 0;
        for (const TextItem& item : page.items) {
            if (item.x == 54 && item.frameSides == kFrameAll && item.text != "Дата") {
                EXPECT_GT(item.y, header.y);
                lowestBody = std::max(lowestBody, item.y + item.height);
                ++rowsSeen;
            }
        }
        EXPECT_EQ(ItemsWithText(page, "Тип модуля: Zemra-100\nЗаводской номер: 00A1\n\n").size(),
                  1u);
        const TextItem& number = OnlyItem(page, std::to_string(p + 1));
        EXPECT_EQ(number.alignment, TextAlign::Center);
        EXPECT_GE(number.y, lowestBody);
    }
    EXPECT_EQ(rowsSeen, 151u);  // 150 data rows and the summary row, each once
    EXPECT_EQ(ItemsWithText(report.pages[0], records_.RepO.Title).size(), 1u);
    EXPECT_TRUE(ItemsWithText(report.pages[1], records_.RepO.Title).empty());
    const TextItem& total = OnlyItem(report.pages.back(), "Итого");
    const TextItem& signature = OnlyItem(report.pages.back(), records_.RepO.Footer[0]);
    EXPECT_GE(signature.y, total.y + total.height);
    EXPECT_EQ(total.frameWidth, 2);
}

TEST_F(PrintLayoutTest, SummaryRowStyleFollowsTheCaptionOnlyOption) {
    records_.RepO.SummaryOpt = {taCenter, kStyleItalic, flNormal};
    struct Case {
        bool numbering;
        bool captionOnly;
        int captionStyle, valueStyle;
        TextAlign valueAlign;
    };
    const Case cases[] = {
        {false, false, kFontItalic, kFontItalic, TextAlign::Center},
        {false, true, kFontItalic, 0, TextAlign::Right},
        {true, true, kFontItalic, 0, TextAlign::Right},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.numbering << c.captionOnly);
        table_ = SampleReportTable(3, 4);
        if (c.numbering)
            AddNumberingColumn(table_, records_);
        header_ = {};
        records_.RepO.SummaryOnly = c.captionOnly;
        const PreparedPage page = Prepare().pages.at(0);
        const TextItem& caption = OnlyItem(page, "Итого");
        EXPECT_EQ(caption.fontStyle, c.captionStyle);
        EXPECT_EQ(caption.alignment, TextAlign::Center);
        const TextItem& value = OnlyItem(page, "2003");
        EXPECT_EQ(value.fontStyle, c.valueStyle);
        EXPECT_EQ(value.alignment, c.valueAlign);
        // A data row keeps its column's look.
        EXPECT_EQ(OnlyItem(page, "20,1").fontStyle, 0);
    }
}

TEST_F(PrintLayoutTest, MergedHeaderCellPrintsOnceWithSummedWidth) {
    records_.RepI.SpecialHeader = true;
    BuildDefaultHeader(header_, table_, records_.RepO.HeaderOpt, {});
    AddCell(header_);
    SetCellText(header_, 1, 0, "Тепло");
    SetCellText(header_, 2, 0, "скрыта");
    SetCellText(header_, 1, 1, "Q1");
    SetCellText(header_, 2, 1, "Q2");
    SpawnCells(header_, {1, 0, 2, 0}, true);
    SpawnCells(header_, {0, 0, 0, 1}, true);
    SetCellsStyle(header_, {1, 0, 1, 0}, kStyleItalic);
    SetCellsAlign(header_, {1, 0, 1, 0}, taRight);
    const PreparedPage page = Prepare().pages.at(0);
    const int rowHeight = HeaderRowHeight("Arial", 10);
    EXPECT_GT(rowHeight, 14);
    EXPECT_LT(rowHeight, 22);

    const TextItem& merged = OnlyItem(page, "Тепло");
    EXPECT_EQ(merged.width, 104);
    EXPECT_EQ(merged.height, rowHeight);
    EXPECT_EQ(merged.fontStyle, kFontItalic);
    EXPECT_EQ(merged.alignment, TextAlign::Right);
    EXPECT_TRUE(ItemsWithText(page, "скрыта").empty());
    const TextItem& tall = OnlyItem(page, "Дата");
    EXPECT_EQ(tall.height, 2 * rowHeight);
    const TextItem& q2 = OnlyItem(page, "Q2");
    EXPECT_EQ(q2.y, merged.y + rowHeight);
    EXPECT_EQ(q2.x, 54 + 110 + 52);
    EXPECT_EQ(OnlyItem(page, "01.11.15 00:00").y, tall.y + 2 * rowHeight);
    // Two header rows of five columns with two merges: eight printed header cells.
    int headerCells = 0;
    for (const TextItem& item : page.items)
        headerCells += item.frameSides && item.y < tall.y + 2 * rowHeight ? 1 : 0;
    EXPECT_EQ(headerCells, 8);
}

TEST_F(PrintLayoutTest, PageNumberPositionAndOrientation) {
    table_ = SampleReportTable(120, 2);
    records_.RepO.PageNumber = pnNone;
    for (const PreparedPage& page : Prepare().pages) {
        for (const TextItem& item : page.items) {
            EXPECT_NE(item.text, "1");
            EXPECT_NE(item.text, "[PAGE#]");
        }
    }

    table_ = SampleReportTable(2, 2);
    header_ = {};
    records_.RepO.PageNumber = pnRight;
    records_.RepO.Portrait = false;
    const PreparedPage page = Prepare().pages.at(0);
    EXPECT_GT(page.width, page.height);
    for (const std::string& text :
         {records_.RepO.Title, records_.RepO.Footer[0],
          std::string("Потребитель: ООО \"Тепло\"\nАдрес: ул. Ленина, 1"), std::string("1")}) {
        const TextItem& item = OnlyItem(page, text);
        EXPECT_EQ(item.width, 892);
        EXPECT_EQ(item.x, 54);
    }
    EXPECT_EQ(OnlyItem(page, "1").alignment, TextAlign::Right);
}

// A header that does not fit the table (a stale or broken one) is not read past its cells:
// the table's own titles are printed.
TEST_F(PrintLayoutTest, HeaderThatDoesNotFitTheTableIsReplaced) {
    BuildDefaultHeader(header_, SampleReportTable(1, 1), records_.RepO.HeaderOpt, {});
    records_.RepI.SpecialHeader = true;
    const PreparedPage page = Prepare().pages.at(0);
    for (const char* title : {"Дата", "Пар. 1", "Пар. 4"})
        OnlyItem(page, title);
}

TEST(PrintCodes, AlignmentNamesAndStyleIntegers) {
    EXPECT_EQ(AlignName(taLeft), "taLeftJustify");
    EXPECT_EQ(AlignName(taCenter), "taCenter");
    EXPECT_EQ(AlignName(taRight), "taRightJustify");
    EXPECT_EQ(AlignName(7), "taLeftJustify");
    EXPECT_EQ(EngineStyle(0), 0);
    EXPECT_EQ(EngineStyle(1), 2);
    EXPECT_EQ(EngineStyle(2), 1);
    EXPECT_EQ(EngineStyle(3), 3);
    EXPECT_EQ(PageNumberAlignName(pnCenter), "taCenter");
    EXPECT_EQ(PageNumberAlignName(pnRight), "taRightJustify");
    EXPECT_EQ(PageNumberAlignName(pnLeft), "taLeftJustify");
}

TEST(PrintBridgeValues, VariablesAtTheCursor) {
    const ReportTable table = SampleReportTable(2, 2);
    ReportRecords records = SampleRecords();
    records.RepO.PrintSerialNumber = false;
    records.RepO.FontNameIndex = 1;
    records.RepO.FontSizeIndex = 8;
    records.RepO.TabHeadOpt = {taRight, kStyleItalic, flBold};
    SpecialHeader header;
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, {});
    const PrintState state = MakePrintState(table, records, header);
    PrintBridge bridge(state);
    bridge.Cursor() = {1, 3, 0};
    const auto value = [&bridge](const char* name) { return bridge.frReport1GetValue(name); };
    EXPECT_EQ(value("texCell"), ReportValue(std::string("1002")));
    EXPECT_EQ(value("WCell"), ReportValue(int64_t(52)));
    EXPECT_EQ(value("frW"), ReportValue(int64_t(2)));
    EXPECT_EQ(value("kText"), ReportValue(std::string("Пар. 1")));
    EXPECT_EQ(value("kStret"), ReportValue(int64_t(1)));
    EXPECT_EQ(value("kFStyle"), ReportValue(int64_t(kFontItalic)));
    EXPECT_EQ(value("kAlign"), ReportValue(std::string("taRightJustify")));
    EXPECT_EQ(value("kfrW"), ReportValue(int64_t(2)));
    EXPECT_EQ(value("kVis"), ReportValue(int64_t(1)));
    EXPECT_EQ(value("ftFName"), ReportValue(std::string("Times New Roman")));
    EXPECT_EQ(value("ftFSize"), ReportValue(int64_t(14)));
    EXPECT_EQ(value("formP"), ReportValue(int64_t(645)));
    EXPECT_EQ(value("header"), ReportValue(std::string("Потребитель: ООО \"Тепло\"\r\n"
                                                       "Адрес: ул. Ленина, 1")));
    EXPECT_EQ(value("TipM"), ReportValue(std::string("Тип модуля: Zemra-100")));
    EXPECT_EQ(value("ZavN"), ReportValue());
    EXPECT_EQ(value("PageN"), ReportValue(std::string("[PAGE#]")));
    EXPECT_EQ(value("nothing"), ReportValue());
    EXPECT_EQ(bridge.frReport1PrintColumn(1), 110);
    EXPECT_EQ(bridge.frReport1PrintColumn(3), 52);
    EXPECT_EQ(bridge.frReport1PrintColumn(4), std::nullopt);
    bridge.Cursor() = {9, 9, 9};  // outside the table: nothing is read
    EXPECT_EQ(value("texCell"), ReportValue());
    EXPECT_EQ(value("kText"), ReportValue());
}

}  // namespace
