// One report column: content from the descriptor, assignment and appearance from the module.
#include "reports/report_columns.h"

#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"

namespace {

constexpr long long kMaxArchiveDepth = 0xFFFF;

void ReadColumnOptions(const IniFile& module, S_colO& column) {
    const std::string section = ColumnIdSection(column.Id);
    column.Width = static_cast<int>(module.ReadInteger(section, kKeyColWidth, 50));
    column.Options = ReadOptionTriple(module, section);
}

}  // namespace

bool LoadColumn(const IniFile& descriptor, const IniFile& module, int index,
                ReportRecords& records) {
    S_colO& c = records.ColO;
    c = S_colO{};
    const std::string column = ColumnSection(index);
    c.Id = static_cast<int>(descriptor.ReadInteger(column, kKeyId, 0));
    c.Title = descriptor.ReadString(column, kKeyTitle, "");
    c.Format = descriptor.ReadString(column, kKeyFormat, "%1.2f");
    c.Summary = descriptor.ReadString(column, kKeySummary, kSummaryNone);

    const std::string section = ColumnIdSection(c.Id);
    const std::string suffix = ArchiveKindSuffix(records.RepI);
    const long long param = ReadHexKey(module, section, kKeyArchive + suffix, 0);
    const long long depth = module.ReadInteger(section, kKeyMaxIndex + suffix, 0);
    if (param <= 0 || param > 0xFFFF || depth <= 0 || depth > kMaxArchiveDepth ||
        !module.SectionExists(section))
        return false;
    c.ArchiveParam = static_cast<int>(param);
    c.ArchiveDepth = static_cast<int>(depth);
    ReadColumnOptions(module, c);
    return true;
}

void LoadColumnOptions(ReportRecords& records, int id) {
    const IniFile module(records.RepI.ModuleReportPath);
    records.ColO.Id = id;
    ReadColumnOptions(module, records.ColO);
}

bool SaveColumnOptions(const ReportRecords& records) {
    IniFile module(records.RepI.ModuleReportPath);
    const std::string section = ColumnIdSection(records.ColO.Id);
    module.WriteInteger(section, kKeyColWidth, records.ColO.Width);
    WriteOptionTriple(module, section, records.ColO.Options);
    return module.Save();
}
