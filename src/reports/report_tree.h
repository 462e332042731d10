// The toolkit-free tree of report descriptors that the report lists of the windows show.
#pragma once

#include <string>
#include <vector>

// Node record of the report form trees.
struct S_vst1 {
    std::string Path;     // descriptor path, or a column's section name
    std::string Caption;  // report name, part caption or column title
    std::string Extra;    // left empty by ListReportDescriptors
    int Number = 0;       // report number, part kind or column ID
    bool Present = false;
};

// Node record of the report lists that pair a descriptor with a module report file.
struct S_vstR {
    std::string Caption;
    std::string Path;        // a descriptor's path, or a module directory
    std::string ModulePath;  // path of the module report file
};

struct ReportTreeNode {
    S_vst1 Data;
    bool HasCheckBox = false;
    bool Checked = false;
    std::vector<ReportTreeNode> Children;
};

struct ReportTree {
    std::vector<ReportTreeNode> Nodes;  // top level
    int Selected = -1;                  // index into Nodes, -1 when empty
};

// Part kinds of a descriptor node's children, in order.
enum ReportPartKind { rpTitle = 0, rpHeader = 1, rpColumns = 2, rpFooter = 3 };
// Listing modes: 0 parts with check boxes (form editor), 1 parts with columns (link window).
inline constexpr int kListWithCheckBoxes = 0;
inline constexpr int kListWithColumns = 1;

// Empties tree and adds one node per report descriptor lying directly in Shell().ReportsDir,
// in name order; selects the node of selectPath, else the first. In mode 0 descriptors whose
// base name is not a number are numbered after the others (in the nodes only). Returns the
// next free report number: one more than the largest number below 99999900 (1 when none),
// past the numbers just given.
int ListReportDescriptors(const std::string& selectPath, ReportTree& tree, int mode);
