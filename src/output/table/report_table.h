// The report table: text cells with column titles, widths, alignment and style per column,
// the column identifier list and the row index of the date labels.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "output/table/date_label.h"
#include "reports/column_ids.h"
#include "reports/option_triple.h"

// A row index of this value or more stands for a missing row.
inline constexpr int kNoRow = 3000;
// What RowForTime gives when no row carries the label.
inline constexpr int kRowNotFound = 3010;
// At most this many data rows.
inline constexpr int kMaxPeriods = 2999;

struct TableColumn {
    std::string Title;
    int Width = 50;        // pixels of the grid
    OptionTriple Options;  // alignment and font style (the frame code is not used)
    // Rows 0 (the title) … n + 1 (the summary row).
    std::vector<std::string> Cells;
};

struct ReportTable {
    int Kind = 0;  // 0 hourly, 1 daily, 2 monthly
    std::string DateFormat;
    DateLabelPatterns Patterns;  // DateFormat split for the labels
    int Periods = 0;             // n: data rows 1 … n
    std::vector<TableColumn> Columns;
    ColumnIdList Ids = MakeColumnIdList(false);
    // Date label -> first row that carries it.
    std::unordered_map<std::string, int> LabelRows;

    // Rows of the grid: the title row, n data rows and the summary row (0 when empty).
    int RowCount() const { return Columns.empty() ? 0 : Periods + 2; }
    int SummaryRow() const { return Periods + 1; }
    // Grid column of the date labels.
    int DateColumn() const { return Ids.NumberingShown ? 1 : 0; }
    const std::string& Cell(int column, int row) const { return Columns[column].Cells[row]; }
};

// Empties the table (no rows, no columns, identifier list of two empty slots).
void ClearTable(ReportTable& table);
