// Recognising report and module files, and finding their directories.
#include "reports/report_search.h"

#include <gtest/gtest.h>

#include "platform/file_search.h"
#include "support/temp_dir.h"

namespace {

constexpr const char* kDescriptor = "[Report]\nName=A\nColumns=1\n[Header]\n0=h\n";
constexpr const char* kReportOnly = "[Report]\nTypeD=1\n";
constexpr const char* kNoHeader = "[Report]\nColumns=2\n";
constexpr const char* kModuleLink = "[Common]\nVS=0\nZn=1A2B\n";

class ReportFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        descriptor_ = dir_.WriteFile("a.ini", kDescriptor);
        upper_ = dir_.WriteFile("b.INI", kNoHeader);
        reportOnly_ = dir_.WriteFile("c.Ini", kReportOnly);
        link_ = dir_.WriteFile("d.ini", kModuleLink);
        text_ = dir_.WriteFile("e.txt", kDescriptor);
        all_ = {descriptor_, upper_, reportOnly_, link_, text_, dir_ / "missing.ini"};
        SearchAborted = false;
    }
    TempDir dir_;
    std::string descriptor_, upper_, reportOnly_, link_, text_;
    std::vector<std::string> all_;
};

TEST_F(ReportFiles, FiltersKeepWhatTheyAccept) {
    auto files = all_;
    EXPECT_TRUE(IsReportFile(files, false));
    EXPECT_EQ(files, (std::vector<std::string>{descriptor_, upper_, reportOnly_}));

    files = all_;
    EXPECT_TRUE(IsReportDescriptorFile(files, false));
    EXPECT_EQ(files, (std::vector<std::string>{descriptor_, upper_}));

    files = all_;
    EXPECT_TRUE(IsModuleLinkFile(files, false));
    EXPECT_EQ(files, std::vector<std::string>{link_});

    files = {text_, reportOnly_};
    EXPECT_FALSE(IsReportDescriptorFile(files, false));
    EXPECT_TRUE(files.empty());
    EXPECT_FALSE(SearchAborted);
}

TEST_F(ReportFiles, StopAtFirstKeepsOneAndStopsTheSearch) {
    std::vector<std::string> files = {text_, reportOnly_, upper_, descriptor_};
    EXPECT_TRUE(IsReportDescriptorFile(files, true));
    EXPECT_EQ(files, std::vector<std::string>{upper_});
    EXPECT_TRUE(SearchAborted);

    SearchAborted = false;
    files = {text_, reportOnly_};
    EXPECT_FALSE(IsReportDescriptorFile(files, true));
    EXPECT_FALSE(SearchAborted);
}

TEST_F(ReportFiles, ValidReportFormNeedsReportHeaderAndColumns) {
    EXPECT_TRUE(HasValidReportForm(all_));
    EXPECT_FALSE(HasValidReportForm({text_, upper_, reportOnly_, link_}));
    EXPECT_FALSE(HasValidReportForm({}));
    const std::string capital = dir_.WriteFile("F.INI", kDescriptor);
    EXPECT_TRUE(HasValidReportForm({text_, capital}));
}

TEST(FindDirectories, FindTheFirstMatchBreadthFirst) {
    TempDir dir;
    dir.WriteFile("top/readme.txt", "x");
    dir.WriteFile("top/a/deep/reports/00000001.ini", kDescriptor);
    dir.WriteFile("top/b/reports/00000002.ini", kNoHeader);
    dir.WriteFile("top/b/reports/00000003.ini", kDescriptor);
    dir.WriteFile("top/m/modules/0001_1234/0001_1234.ini", kModuleLink);

    EXPECT_EQ(FindReportsDirectory(dir / "top"), dir / "top/b/reports");
    EXPECT_EQ(FindModulesDirectory(dir / "top"), dir / "top/m/modules");
    EXPECT_EQ(FindReportsDirectory(dir / "top/m"), "");
    EXPECT_EQ(FindModulesDirectory(dir / "top/a"), "");
    EXPECT_EQ(FindReportsDirectory(dir / "nowhere"), "");
}

}  // namespace
