// Filling and filtering the selection tree of the report view window.
#include "output/view/view_tree.h"

#include <algorithm>

#include "model/queue/task_cl.h"
#include "output/reading/module_files.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/text_case.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"

namespace {

constexpr const char* kSecOptions = "Options";
constexpr const char* kKeyTreeViewType = "TreeViewType";

struct ModuleReports {
    std::string Dir;
    std::string QueuePath;  // "" when the module has no task queue
    std::vector<std::string> Reports;
};

// The module directories with at least one file in Reports, in name order.
std::vector<ModuleReports> ListModules(const std::string& modulesDir) {
    std::vector<ModuleReports> modules;
    for (const DirEntry& e : ListDirectory(modulesDir)) {
        if (!e.isDirectory)
            continue;
        ModuleReports m;
        m.Dir = JoinPath(modulesDir, e.name);
        const std::string reports = JoinPath(m.Dir, "Reports");
        for (const DirEntry& r : ListDirectory(reports))
            if (!r.isDirectory)
                m.Reports.push_back(JoinPath(reports, r.name));
        if (m.Reports.empty())
            continue;
        m.QueuePath = FirstModuleFile(m.Dir, ".tsk");
        modules.push_back(std::move(m));
    }
    return modules;
}

std::string ReportName(const std::string& moduleReport) {
    const IniFile ini(moduleReport);
    const std::string name = Trim(ini.ReadString(kSecReport, kKeyName, ""));
    return name.empty() ? ExtractBaseName(moduleReport) : name;
}

std::string DescriptorOf(const std::string& reportsDir, const std::string& moduleReport) {
    const std::string path = JoinPath(reportsDir, ExtractFileName(moduleReport));
    return FileExists(path) ? path : "";
}

}  // namespace

std::string ModuleNodeCaption(const std::string& queuePath) {
    const Task_CL queue(queuePath);
    return SysToUtf8(queue.QueueName()) + " (" + HexDigits(queue.Header().ModuleWord60, 4) + ")";
}

std::vector<ViewTreeNode> FillViewTree(const std::string& modulesDir, const std::string& reportsDir,
                                       int mode) {
    std::vector<ViewTreeNode> nodes;
    for (const ModuleReports& m : ListModules(modulesDir)) {
        const std::string moduleCaption = m.QueuePath.empty() ? "" : ModuleNodeCaption(m.QueuePath);
        if (mode == tvModuleReport) {
            if (m.QueuePath.empty())
                continue;
            ViewTreeNode module{{moduleCaption, m.Dir, ""}, true, {}};
            for (const std::string& report : m.Reports)
                module.Children.push_back(
                    {{ReportName(report), DescriptorOf(reportsDir, report), report}, true, {}});
            nodes.push_back(std::move(module));
            continue;
        }
        for (const std::string& report : m.Reports) {
            const S_vstR top{ReportName(report), DescriptorOf(reportsDir, report), ""};
            auto it = std::find_if(nodes.begin(), nodes.end(), [&](const ViewTreeNode& n) {
                return n.Data.Caption == top.Caption && n.Data.Path == top.Path;
            });
            if (it == nodes.end())
                it = nodes.insert(nodes.end(), ViewTreeNode{top, true, {}});
            if (!m.QueuePath.empty())
                it->Children.push_back({{moduleCaption, m.Dir, report}, true, {}});
        }
    }
    return nodes;
}

void ApplyTreeSearch(std::vector<ViewTreeNode>& nodes, const std::string& text) {
    const std::string needle = Utf8LowerCase(text);
    const auto holds = [&](const ViewTreeNode& n) {
        return Utf8LowerCase(n.Data.Caption).find(needle) != std::string::npos;
    };
    for (ViewTreeNode& top : nodes) {
        top.Visible = true;
        if (needle.empty() || holds(top)) {
            for (ViewTreeNode& child : top.Children)
                child.Visible = true;
            continue;
        }
        bool any = false;
        for (ViewTreeNode& child : top.Children) {
            child.Visible = holds(child);
            any = any || child.Visible;
        }
        top.Visible = any;
    }
}

int ReadTreeViewType(const std::string& settingsFile) {
    const IniFile ini(settingsFile);
    const long long mode = ini.ReadInteger(kSecOptions, kKeyTreeViewType, tvModuleReport);
    return mode == tvReportModule ? tvReportModule : tvModuleReport;
}

bool WriteTreeViewType(const std::string& settingsFile, int mode) {
    IniFile ini(settingsFile);
    ini.WriteInteger(kSecOptions, kKeyTreeViewType, mode);
    return ini.Save();
}
