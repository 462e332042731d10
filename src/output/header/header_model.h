// The special table header: its cell list and the shape of its editing grid, with the editing
// operations the header page offers (rows, merging, texts, styles, the numbering column).
#pragma once

#include <string>
#include <vector>

#include "output/table/report_table.h"
#include "reports/option_triple.h"

// What a lookup gives for a position without a cell.
inline constexpr int kNoHeaderCell = 90000;
// A header with more rows is not loaded from a file.
inline constexpr int kMaxHeaderRows = 100;
// Width of the editing grid's row-number column.
inline constexpr int kRowNumberColumnWidth = 20;

// One header cell. A cell covered by a merge has rowspan and colspan 0 or less.
struct S_Thead {
    int idrow = 0;  // header row, from 0
    int idcol = 0;  // table column, from 0 (the numbering column, when shown, is 0)
    int rowspan = 1;
    int colspan = 1;
    std::string text = "  ";
    int fstyle = 0;  // bit 0 bold, bit 1 italic
    int align = 0;   // 0 left, 1 centre, 2 right
};

// Style and alignment of the numbering column's header cell, kept in the module report file
// while that column is not shown.
struct ExtraColStyle {
    int fstyle = 0;
    int align = 0;
};

// A rectangle of header positions, both corners included.
struct HeaderRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct SpecialHeader {
    std::vector<S_Thead> Cells;  // one cell per (row, column) position
    // Editing grid: column 0 numbers the rows, row 0 repeats the table's column titles, grid
    // cell (c + 1, r + 1) shows header cell (c, r).
    int GridColCount = 0;
    int GridRowCount = 0;
    std::vector<int> GridColWidths;   // GridColCount entries, [0] the row-number column
    std::vector<std::string> Titles;  // grid row 0: "№", then the table's column titles
    bool NumberingShown = false;      // header column 0 is the table's numbering column

    int Columns() const { return GridColCount - 1; }
    int Rows() const { return GridRowCount - 1; }
};

// Index of the last cell at (column, row), or kNoHeaderCell.
int FindCell(const SpecialHeader& header, int column, int row);

// The default header: one row holding the table's column titles, each cell in the report
// header's alignment and style. When the table shows its numbering column, that column is
// added as ShowNumberingCells does, with the given style.
void BuildDefaultHeader(SpecialHeader& header, const ReportTable& table,
                        const OptionTriple& headerOptions, const ExtraColStyle& extraCol);

// Adds a header row of plain cells (two blanks, spans 1, style and alignment 0).
void AddCell(SpecialHeader& header);
// Deletes a header row, moving the rows below up; refused (false) for the last remaining row
// or a row that does not exist. Merges reaching into the row lose it.
bool DeleteRow(SpecialHeader& header, int row);
// Merges the rectangle into its top-left cell (merge), or makes that cell 1 × 1 again. Merges
// that overlap the rectangle are undone first; the rectangle is cut to the header.
void SpawnCells(SpecialHeader& header, HeaderRect rect, bool merge);
void SetCellText(SpecialHeader& header, int column, int row, const std::string& text);
// Style or alignment of every cell of the rectangle.
void SetCellsStyle(SpecialHeader& header, HeaderRect rect, int fstyle);
void SetCellsAlign(SpecialHeader& header, HeaderRect rect, int align);

// Puts the numbering column in front: every cell moves one column right, column 0 gets a
// cell "№" per row merged over all rows, cell (0, 0) takes the given style; the grid column
// has the given width. Nothing when it is shown already.
void ShowNumberingCells(SpecialHeader& header, int width, const ExtraColStyle& extraCol);
// Takes the numbering column out and gives the style of its cell (0, 0); every other cell
// moves one column left. Nothing (and a default style) when it is not shown.
ExtraColStyle HideNumberingCells(SpecialHeader& header);

// Makes the spans consistent: every position belongs to exactly one printed cell. Spans are
// cut at the header's edges and at other merges; a cell covered by nothing becomes 1 × 1 and a
// cell inside a merge gets spans 0. Missing positions get plain cells.
void NormaliseSpans(SpecialHeader& header);

// Printed width of the cell at (column, row): its grid column's width plus the widths of the
// following grid columns it spans.
int HeaderCellWidth(const SpecialHeader& header, int column, int row);
// Printed height of the cell at (column, row): rowHeight per header row it spans.
int HeaderCellHeight(const SpecialHeader& header, int column, int row, int rowHeight);
