// Reading and writing the special header file and the numbering column's header style.
#include "output/header/header_file.h"

#include <cstdio>

#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/ini_file.h"

namespace {

constexpr const char* kSecMain = "Main";
constexpr const char* kKeyColCount = "ColCount";
constexpr const char* kKeyRowCount = "RowCount";
constexpr const char* kSecExtraCol = "ExtraCol";

std::string CellSection(int column, int row) {
    char name[40];
    std::snprintf(name, sizeof name, "Cell_%d_%d", column, row);
    return name;
}

int ReadInt(const IniFile& ini, const std::string& section, const char* key, int def) {
    const long long value = ini.ReadInteger(section, key, def);
    return value < -kNoHeaderCell || value > kNoHeaderCell ? def : int(value);
}

}  // namespace

std::string HeaderFilePath(const std::string& moduleReportPath) {
    return JoinPath(JoinPath(ExtractFilePath(moduleReportPath), "THead"),
                    ExtractBaseName(moduleReportPath) + "TabHead.ini");
}

bool LoadHeader(SpecialHeader& header, const std::string& path, const ExtraColStyle& extraCol) {
    if (!FileExists(path))
        return false;
    const IniFile ini(path);
    const long long columns = ini.ReadInteger(kSecMain, kKeyColCount, 0);
    const long long rows = ini.ReadInteger(kSecMain, kKeyRowCount, 0);
    const bool withoutNumbering = header.NumberingShown && columns == header.Columns() - 1;
    if (columns < 1 || rows < 1 || rows > kMaxHeaderRows ||
        (columns != header.Columns() && !withoutNumbering))
        return false;

    int numberingWidth = 0;
    if (withoutNumbering) {
        numberingWidth = header.GridColWidths[1];
        HideNumberingCells(header);
    }
    header.Cells.clear();
    header.GridRowCount = int(rows) + 1;
    for (int c = 0; c < int(columns); ++c) {
        for (int r = 0; r < int(rows); ++r) {
            const std::string section = CellSection(c, r);
            S_Thead cell;
            cell.idrow = ReadInt(ini, section, "idrow", r);
            cell.idcol = ReadInt(ini, section, "idcol", c);
            cell.rowspan = ReadInt(ini, section, "rowspan", 1);
            cell.colspan = ReadInt(ini, section, "colspan", 1);
            cell.fstyle = ReadInt(ini, section, "fstyle", 0) & 3;
            cell.align = ReadInt(ini, section, "align", 0);
            cell.text = ini.ReadString(section, "text", "");
            header.Cells.push_back(cell);
        }
    }
    NormaliseSpans(header);
    if (withoutNumbering)
        ShowNumberingCells(header, numberingWidth, extraCol);
    return true;
}

bool SaveHeader(const SpecialHeader& header, const ReportRecords& records) {
    if (!records.RepI.SpecialHeader || !records.Loaded || header.Cells.empty())
        return true;
    // A module that vanished is not brought back by saving its header.
    if (!FileExists(records.RepI.ModuleReportPath))
        return false;
    const std::string path = HeaderFilePath(records.RepI.ModuleReportPath);
    std::string message;
    if (!CreateDirectoryPath(ExtractFilePath(path), message))
        return false;
    IniFile ini(path);
    ini.EraseAllSections();
    ini.WriteInteger(kSecMain, kKeyColCount, header.GridColCount - 1);
    ini.WriteInteger(kSecMain, kKeyRowCount, header.GridRowCount - 1);
    for (const S_Thead& cell : header.Cells) {
        const std::string section = CellSection(cell.idcol, cell.idrow);
        ini.WriteInteger(section, "idrow", cell.idrow);
        ini.WriteInteger(section, "idcol", cell.idcol);
        ini.WriteInteger(section, "rowspan", cell.rowspan);
        ini.WriteInteger(section, "colspan", cell.colspan);
        ini.WriteString(section, "text", cell.text);
        ini.WriteInteger(section, "fstyle", cell.fstyle);
        ini.WriteInteger(section, "align", cell.align);
    }
    return ini.Save();
}

ExtraColStyle ReadExtraColStyle(const std::string& moduleReportPath) {
    const IniFile ini(moduleReportPath);
    return {ReadInt(ini, kSecExtraCol, "fstyle", 0), ReadInt(ini, kSecExtraCol, "align", 0)};
}

bool WriteExtraColStyle(const std::string& moduleReportPath, const ExtraColStyle& style) {
    if (!FileExists(moduleReportPath))  // never makes a module report file of its own
        return false;
    IniFile ini(moduleReportPath);
    ini.WriteInteger(kSecExtraCol, "fstyle", style.fstyle);
    ini.WriteInteger(kSecExtraCol, "align", style.align);
    return ini.Save();
}
