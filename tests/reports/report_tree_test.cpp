// Listing the report descriptors: the tree, the selection and the report numbering.
#include "reports/report_tree.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reports/report_numbers.h"
#include "reports_fixture.h"
#include "shell/program_state.h"

namespace {

using ReportTreeTest = ReportsTest;

std::vector<std::string> Captions(const ReportTree& tree) {
    std::vector<std::string> captions;
    for (const ReportTreeNode& n : tree.Nodes)
        captions.push_back(n.Data.Caption);
    return captions;
}

TEST_F(ReportTreeTest, NextFreeNumberSkipsTheLibraryRange) {
    struct Case {
        const char* name;
        std::vector<std::string> files;
        int next;
    };
    const Case cases[] = {
        {"none", {}, 1},
        {"7 and a library report", {"00000007.ini", "99999990.ini"}, 8},
        {"99999899 is the last ordinary number", {"99999899.ini"}, 99999900},
        {"gap kept", {"00000002.ini", "00000010.ini"}, 11},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Shell().ReportsDir = dir.Path();
        for (const std::string& f : c.files)
            dir.WriteFile(f, "[Report]\nColumns=1\n");
        ReportTree tree;
        EXPECT_EQ(ListReportDescriptors("", tree, kListWithCheckBoxes), c.next) << c.name;
        EXPECT_EQ(tree.Nodes.size(), c.files.size()) << c.name;
    }
}

TEST_F(ReportTreeTest, UnnumberedDescriptorsAreNumberedInModeZeroOnly) {
    work_.WriteFile("Reports/00000004.ini", "[Report]\nColumns=1\n");
    work_.WriteFile("Reports/alpha.ini", "[Report]\nColumns=1\n");
    work_.WriteFile("Reports/beta.ini", "[Report]\nColumns=1\n");
    ReportTree tree;
    EXPECT_EQ(ListReportDescriptors("", tree, kListWithCheckBoxes), 7);
    ASSERT_EQ(tree.Nodes.size(), 3u);
    EXPECT_EQ(tree.Nodes[0].Data.Number, 4);
    EXPECT_EQ(tree.Nodes[1].Data.Number, 5);
    EXPECT_EQ(tree.Nodes[2].Data.Number, 6);
    EXPECT_TRUE(std::filesystem::exists(reportsDir_ + "/alpha.ini"));  // no file is renamed

    EXPECT_EQ(ListReportDescriptors("", tree, kListWithColumns), 5);
    EXPECT_EQ(tree.Nodes[1].Data.Number, 0);
}

TEST_F(ReportTreeTest, NamesSelectionAndWhatIsListed) {
    work_.WriteFile("Reports/00000001.ini", "[Report]\nName=  \nColumns=0\n");
    work_.WriteFile("Reports/00000002.ini", "[Report]\nName=Суточный\nColumns=1\n");
    work_.WriteFile("Reports/00000003.ini", "[Report]\nName=No columns key\n");
    work_.WriteFile("Reports/00000004.txt", "[Report]\nColumns=1\n");
    work_.WriteFile("Reports/sub/00000005.ini", "[Report]\nColumns=1\n");
    ReportTree tree;
    ListReportDescriptors(reportsDir_ + "/00000002.ini", tree, kListWithCheckBoxes);
    EXPECT_EQ(Captions(tree), (std::vector<std::string>{"00000001", "Суточный"}));
    EXPECT_EQ(tree.Selected, 1);
    ListReportDescriptors("elsewhere", tree, kListWithCheckBoxes);
    EXPECT_EQ(tree.Selected, 0);

    Shell().ReportsDir = work_ / "missing";
    EXPECT_EQ(ListReportDescriptors("", tree, kListWithCheckBoxes), 1);
    EXPECT_TRUE(tree.Nodes.empty());
    EXPECT_EQ(tree.Selected, -1);
}

TEST_F(ReportTreeTest, PartsCarryCheckBoxesOrPresenceAndColumns) {
    work_.WriteFile("Reports/00000001.ini",
                    "[Report]\nTitle=T\nColumns=3\n[Footer]\n0=f\n"
                    "[Column0]\nID=5\nTitle=Q\n[Column2]\nID=7\nTitle=T1\n");
    work_.WriteFile("Reports/00000002.ini", "[Report]\nColumns=1000000000\n");
    ReportTree tree;
    ListReportDescriptors("", tree, kListWithCheckBoxes);
    const auto& parts = tree.Nodes[0].Children;
    ASSERT_EQ(parts.size(), 4u);
    const std::vector<std::string> captions = {"Заголовок отчета", "\"Шапка\" отчета", "Колонки ",
                                               "Поле подписей"};
    const bool present[] = {true, false, true, true};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(parts[k].Data.Caption, captions[k]);
        EXPECT_EQ(parts[k].Data.Number, k);
        EXPECT_TRUE(parts[k].HasCheckBox);
        EXPECT_EQ(parts[k].Checked, present[k]);
        EXPECT_TRUE(parts[k].Children.empty());
    }

    ListReportDescriptors("", tree, kListWithColumns);
    const auto& withColumns = tree.Nodes[0].Children;
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(withColumns[k].HasCheckBox);
        EXPECT_EQ(withColumns[k].Data.Present, present[k]);
        EXPECT_EQ(withColumns[k].Data.Number, present[k] ? k + 10 : k);
    }
    const auto& columns = withColumns[rpColumns].Children;
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1].Data.Path, "Column2");
    EXPECT_EQ(columns[1].Data.Caption, "T1");
    EXPECT_EQ(columns[1].Data.Number, 7);
    EXPECT_TRUE(tree.Nodes[1].Children[rpColumns].Children.empty());
}

TEST(ReportNumbers, NamesAndLibraryMapping) {
    EXPECT_EQ(ReportFileName(12), "00000012.ini");
    EXPECT_EQ(LibraryReportNumber(12), 99999988);
    EXPECT_EQ(LibraryReportNumber(LibraryReportNumber(12)), 12);
    EXPECT_EQ(ReportNumberOf("00000007"), 7);
    for (const char* bad : {"", "abc", "-5", "+5", "123456789", "12 ", "$1F"})
        EXPECT_FALSE(ReportNumberOf(bad).has_value()) << bad;
}

}  // namespace
