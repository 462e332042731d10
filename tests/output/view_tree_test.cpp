// The selection tree of the report view window: both modes over module directories, the
// search rule and the stored tree mode.
#include <gtest/gtest.h>

#include "output/view/view_tree.h"
#include "output/view_fixture.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

class ViewTree : public DemoModules {
  protected:
    void SetUp() override {
        DemoModules::SetUp();
        ASSERT_TRUE(RemoveDirectoryTree(world.reports.Controller.ModuleDir));
        second = CopyModule("07A1_9999");
        ASSERT_TRUE(DeleteFileAt(ModuleReport(second, "00000002.ini")));
        dir.WriteFile("Modules/NoQueue/Reports/00000077.ini", "[Report]\nName=Без очереди\n");
        dir.MakeDir("Modules/NoReports/Reports");
    }
    std::string second;
};

std::vector<std::string> Captions(const std::vector<ViewTreeNode>& nodes) {
    std::vector<std::string> out;
    for (const ViewTreeNode& n : nodes)
        out.push_back(n.Data.Caption);
    return out;
}

TEST_F(ViewTree, ModulesWithTheirReports) {
    const auto nodes = FillViewTree(world.modulesDir, world.reportsDir, tvModuleReport);
    ASSERT_EQ(nodes.size(), 2u);  // the module without a task queue has no node
    const std::string caption = ModuleNodeCaption(world.reports.QueuePath);
    EXPECT_EQ(caption.substr(caption.size() - 7), " (1234)");
    EXPECT_EQ(nodes[0].Data.Caption, caption);
    EXPECT_EQ(nodes[0].Data.Path, world.reports.ModuleDir);
    EXPECT_EQ(Captions(nodes[0].Children),
              (std::vector<std::string>{"Часовая ведомость", "Суточная ведомость"}));
    const S_vstR& daily = nodes[0].Children[1].Data;
    EXPECT_EQ(daily.Path, JoinPath(world.reportsDir, "00000002.ini"));
    EXPECT_EQ(daily.ModulePath, ModuleReport(world.reports.ModuleDir, "00000002.ini"));
    EXPECT_EQ(Captions(nodes[1].Children), (std::vector<std::string>{"Часовая ведомость"}));
}

TEST_F(ViewTree, ReportsWithTheirModules) {
    const auto nodes = FillViewTree(world.modulesDir, world.reportsDir, tvReportModule);
    ASSERT_EQ(Captions(nodes),
              (std::vector<std::string>{"Часовая ведомость", "Суточная ведомость", "Без очереди"}));
    EXPECT_EQ(nodes[0].Data.Path, JoinPath(world.reportsDir, "00000001.ini"));
    ASSERT_EQ(nodes[0].Children.size(), 2u);
    EXPECT_EQ(nodes[0].Children[1].Data.Path, second);
    EXPECT_EQ(nodes[0].Children[1].Data.ModulePath, ModuleReport(second, "00000001.ini"));
    EXPECT_EQ(nodes[1].Children.size(), 1u);
    // A report file without a descriptor of its name, in a module without a task queue.
    EXPECT_EQ(nodes[2].Data.Path, "");
    EXPECT_TRUE(nodes[2].Children.empty());
}

TEST(TreeSearch, ShowsMatchingReportsAndTheirModules) {
    const auto tree = [] {
        return std::vector<ViewTreeNode>{
            {{"Котельная (0001)", "", ""},
             true,
             {{{"Часовая ведомость", "", ""}, true, {}},
              {{"Суточная ведомость", "", ""}, true, {}}}},
            {{"Школа (0002)", "", ""}, true, {{{"Часовая ведомость", "", ""}, true, {}}}},
        };
    };
    struct Case {
        std::string text;
        std::vector<bool> expected;  // top 0, its children, top 1, its child
    } cases[] = {
        {"", {true, true, true, true, true}},
        {"СУТОЧ", {true, false, true, false, false}},
        {"часовая", {true, true, false, true, true}},
        {"котельная", {true, true, true, false, false}},
        {"нет такого", {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        auto nodes = tree();
        ApplyTreeSearch(nodes, "суточ");  // what an earlier search hid comes back
        ApplyTreeSearch(nodes, c.text);
        const std::vector<bool> got = {nodes[0].Visible, nodes[0].Children[0].Visible,
                                       nodes[0].Children[1].Visible, nodes[1].Visible,
                                       nodes[1].Children[0].Visible};
        EXPECT_EQ(got, c.expected) << c.text;
    }
}

TEST(TreeViewType, StoredModeReadsBackAndOddValuesGiveTheDefault) {
    TempDir dir;
    const std::string settings = dir / "Velorm.ini";
    EXPECT_EQ(ReadTreeViewType(settings), tvModuleReport);
    ASSERT_TRUE(WriteTreeViewType(settings, tvReportModule));
    EXPECT_EQ(ReadTreeViewType(settings), tvReportModule);
    dir.WriteFile("Velorm.ini", "[Options]\nTreeViewType=7\n");
    EXPECT_EQ(ReadTreeViewType(settings), tvModuleReport);
}

}  // namespace
