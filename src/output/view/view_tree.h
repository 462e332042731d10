// The selection tree of the report view window: modules and their reports in either order,
// the search filter and the stored tree mode.
#pragma once

#include <string>
#include <vector>

#include "reports/report_tree.h"

// Tree modes as stored under Options/TreeViewType.
enum TreeViewMode { tvReportModule = 1, tvModuleReport = 2 };

struct ViewTreeNode {
    S_vstR Data;
    bool Visible = true;
    std::vector<ViewTreeNode> Children;
};

// The tree of the module directories under modulesDir that have a "Reports" subdirectory
// with at least one file. tvModuleReport: one top node per module with a task queue, its
// reports as children; tvReportModule: one top node per (report name, descriptor path), the
// modules with a task queue that use it as children. Descriptors are looked up in reportsDir.
std::vector<ViewTreeNode> FillViewTree(const std::string& modulesDir, const std::string& reportsDir,
                                       int mode);

// Caption of a module node: the controller name of the task queue and its factory number,
// "Name (00A1)".
std::string ModuleNodeCaption(const std::string& queuePath);

// Shows every node for an empty text. Otherwise a top node whose caption holds the text is
// shown with all its children (whatever an earlier search hid); one that does not shows only
// the children whose captions hold it, and is hidden when none does. Letter case is ignored.
void ApplyTreeSearch(std::vector<ViewTreeNode>& nodes, const std::string& text);

// Options/TreeViewType of the settings file: 1 or 2, any other value reads as 2.
int ReadTreeViewType(const std::string& settingsFile);
bool WriteTreeViewType(const std::string& settingsFile, int mode);
