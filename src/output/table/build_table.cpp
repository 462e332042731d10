// Building the report table: rows, columns, values from files or the link, summaries.
#include "output/table/build_table.h"

#include <algorithm>
#include <set>

#include "comm/device/read_archive.h"
#include "model/flash/read_archive.h"
#include "output/table/period.h"
#include "output/table/result_codes.h"
#include "output/table/table_columns.h"
#include "output/table/table_values.h"
#include "platform/ini_file.h"
#include "reports/report_columns.h"
#include "reports/report_settings.h"

namespace {

// Indexes of the descriptor's Column<i> sections below the column count, in order. Only these
// can give a usable column, so an absurd count costs nothing.
std::set<int> ColumnIndexes(const IniFile& descriptor, int columnCount) {
    std::set<int> indexes;
    for (const std::string& section : descriptor.ReadSections()) {
        if (section.size() <= 6 || section.size() > 15 ||
            !std::equal(section.begin(), section.begin() + 6, "column",
                        [](char a, char b) { return (a | 0x20) == b; }) ||
            section.find_first_not_of("0123456789", 6) != std::string::npos)
            continue;
        const long long index = std::stoll(section.substr(6));
        if (index < columnCount)
            indexes.insert(static_cast<int>(index));
    }
    return indexes;
}

struct ColumnRead {
    ReportTable& table;
    const S_colO& column;
    int gridColumn;
    TDateTime start, end;
    BuildProgress& progress;
    double share;  // percents of this column
};

// Reads the column from every archive file; false with detail when a file is unreadable.
bool ReadFromFiles(const ColumnRead& c, const std::vector<std::string>& files,
                   std::string& detail) {
    const double perFile = c.share / static_cast<double>(files.size());
    for (const std::string& file : files) {
        c.progress.Advance(perFile * 0.1);
        ArchiveReading reading;
        try {
            reading = ReadArchiveFile(file, static_cast<uint16_t>(c.column.ArchiveParam),
                                      c.table.Kind, c.start, c.end);
        } catch (const ArchiveReadError& e) {
            detail = e.what();
            return false;
        }
        c.progress.Advance(perFile * 0.2);
        const size_t m = reading.Count();
        for (size_t k = 0; k < m; ++k) {
            const int row = RowForTime(c.table, reading.Times[k]);
            if (row < kNoRow)
                PutValue(c.table, c.gridColumn, row, reading.Values[k], c.column.Format);
            c.progress.Advance(perFile * 0.7 / static_cast<double>(m));
        }
        if (m == 0)
            c.progress.Advance(perFile * 0.7);
    }
    return true;
}

// Reads the column's consecutive records over the link; false with detail when there are
// none. Records beyond the last data row are ignored.
bool ReadFromLink(const ColumnRead& c, const TableSource& source, std::string& detail) {
    c.progress.Advance(c.share * 0.1);
    std::vector<double> values;
    TDateTime first = 0;
    TDateTime clock = Now() - source.ClockDifference;
    int count = 0;
    ReadArchive(source.NetworkNumber, c.table.Kind, c.column.ArchiveParam, c.column.ArchiveDepth,
                detail, first, clock, count, -1, values, c.start, c.end, source.ParamF022,
                source.ParamF023);
    const int m = std::min(count, static_cast<int>(values.size()));
    if (m <= 0)
        return false;
    c.progress.Advance(c.share * 0.2);
    const int row0 = RowForTime(c.table, first);
    for (int k = 0; k < m; ++k) {
        if (row0 < kNoRow)
            PutValue(c.table, c.gridColumn, row0 + k, values[k], c.column.Format);
        c.progress.Advance(c.share * 0.7 / m);
    }
    return true;
}

}  // namespace

TableBuildResult BuildReportTable(ReportTable& table, ReportRecords& records,
                                  const TableSource& source, TDateTime start, TDateTime end,
                                  const TableProgress& progress) {
    const IniFile descriptor(records.RepI.DescriptorPath);
    const IniFile module(records.RepI.ModuleReportPath);
    LoadReportSettings(descriptor, module, records);
    records.Loaded = true;
    const int kind = records.RepI.ArchiveKind;
    start = PeriodStart(kind, 1, start);
    end = PeriodStart(kind, 5, end);
    if (PeriodCount(kind, start, end) >= kNoRow)
        return {rrTooManyRows, ""};

    BuildProgress bar(progress);
    SetUpRows(table, records, start, end);
    const std::set<int> indexes = ColumnIndexes(descriptor, records.RepO.ColumnCount);
    const double share = indexes.empty() ? 0 : 100.0 / static_cast<double>(indexes.size());
    for (const int i : indexes) {
        if (!LoadColumn(descriptor, module, i, records)) {
            bar.Advance(share);
            continue;
        }
        const S_colO column = records.ColO;
        AddColumn(table, column);
        const ColumnRead read{table, column, static_cast<int>(table.Columns.size()) - 1, start, end,
                              bar,   share};
        std::string detail;
        const bool read_ok = source.ArchiveFiles ? ReadFromFiles(read, *source.ArchiveFiles, detail)
                                                 : ReadFromLink(read, source, detail);
        if (!read_ok) {
            ClearTable(table);
            records.Loaded = false;
            return {rrNoArchives, detail};
        }
        PutSummary(table, read.gridColumn, column.Summary, column.Format);
    }
    if (records.RepI.NumberingColumn)
        AddNumberingColumn(table, records);
    bar.Set(100);
    return {};
}
