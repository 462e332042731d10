// Listing the report descriptors of the report-forms directory as a tree.
#include "reports/report_tree.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "reports/report_numbers.h"
#include "reports/report_search.h"
#include "shell/program_state.h"

namespace {

constexpr std::array<const char*, 4> kPartCaptions = {"Заголовок отчета", "\"Шапка\" отчета",
                                                      "Колонки ", "Поле подписей"};

std::vector<std::string> DescriptorFiles(const std::string& dir) {
    std::vector<std::string> files;
    for (const DirEntry& e : ListDirectory(dir))
        if (!e.isDirectory)
            files.push_back(JoinPath(dir, e.name));
    IsReportDescriptorFile(files, false);
    return files;
}

// One child per existing column section; the count is bounded by the file's sections.
std::vector<ReportTreeNode> ColumnNodes(const IniFile& ini, long long columns) {
    std::vector<ReportTreeNode> nodes;
    const long long limit = std::min<long long>(columns, ini.ReadSections().size());
    for (int n = 0; n < limit; ++n) {
        const std::string section = ColumnSection(n);
        if (!ini.SectionExists(section))
            continue;
        ReportTreeNode node;
        node.Data.Path = section;
        node.Data.Caption = ini.ReadString(section, kKeyTitle, "");
        node.Data.Number = static_cast<int>(ini.ReadInteger(section, kKeyId, 0));
        nodes.push_back(std::move(node));
    }
    return nodes;
}

ReportTreeNode DescriptorNode(const std::string& path, int mode) {
    const IniFile ini(path);
    const std::string fileName = ExtractFileName(path);
    const std::string baseName = fileName.substr(0, fileName.size() - 4);
    ReportTreeNode node;
    node.Data.Path = path;
    node.Data.Caption = Trim(ini.ReadString(kSecReport, kKeyName, ""));
    if (node.Data.Caption.empty())
        node.Data.Caption = baseName;
    node.Data.Number = ReportNumberOf(baseName).value_or(0);

    const long long columns = ini.ReadInteger(kSecReport, kKeyColumns, 0);
    const std::array<bool, 4> present = {!ini.ReadString(kSecReport, kKeyTitle, "").empty(),
                                         !ini.ReadSection(kSecHeader).empty(), columns >= 1,
                                         !ini.ReadSection(kSecFooter).empty()};
    for (int kind = rpTitle; kind <= rpFooter; ++kind) {
        ReportTreeNode part;
        part.Data.Caption = kPartCaptions[kind];
        part.Data.Number = kind;
        if (mode == kListWithCheckBoxes) {
            part.HasCheckBox = true;
            part.Checked = present[kind];
        } else if (present[kind]) {
            part.Data.Number += 10;
            part.Data.Present = true;
        }
        if (mode == kListWithColumns && kind == rpColumns)
            part.Children = ColumnNodes(ini, columns);
        node.Children.push_back(std::move(part));
    }
    return node;
}

}  // namespace

int ListReportDescriptors(const std::string& selectPath, ReportTree& tree, int mode) {
    tree = ReportTree{};
    const std::vector<std::string> files = DescriptorFiles(Shell().ReportsDir);
    int nextNumber = 1;
    std::vector<bool> numbered;
    for (const std::string& path : files) {
        tree.Nodes.push_back(DescriptorNode(path, mode));
        const std::optional<int> n = ReportNumberOf(ExtractBaseName(path));
        numbered.push_back(n.has_value());
        if (n && nextNumber <= *n && *n < kFirstLibraryReportNumber)
            nextNumber = *n + 1;
    }
    if (!tree.Nodes.empty()) {
        auto it = std::find_if(tree.Nodes.begin(), tree.Nodes.end(),
                               [&](const ReportTreeNode& n) { return n.Data.Path == selectPath; });
        tree.Selected = it == tree.Nodes.end() ? 0 : static_cast<int>(it - tree.Nodes.begin());
    }
    if (mode == kListWithCheckBoxes)
        for (size_t i = 0; i < tree.Nodes.size(); ++i)
            if (!numbered[i])
                tree.Nodes[i].Data.Number = nextNumber++;
    return nextNumber;
}
