// Editing the special table header: rows, merges, texts, styles and the numbering column.
#include "output/header/header_model.h"

#include <algorithm>

namespace {

HeaderRect ClipRect(const SpecialHeader& header, HeaderRect rect) {
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    rect.right = std::min(rect.right, header.Columns() - 1);
    rect.bottom = std::min(rect.bottom, header.Rows() - 1);
    return rect;
}

bool Inside(const HeaderRect& rect, int column, int row) {
    return column >= rect.left && column <= rect.right && row >= rect.top && row <= rect.bottom;
}

bool IsAnchor(const S_Thead& cell) {
    return cell.rowspan >= 1 && cell.colspan >= 1;
}

// Every cell whose position lies in the rectangle.
template <typename Change>
void ForCellsIn(SpecialHeader& header, HeaderRect rect, Change change) {
    rect = ClipRect(header, rect);
    for (S_Thead& cell : header.Cells) {
        if (Inside(rect, cell.idcol, cell.idrow))
            change(cell);
    }
}

}  // namespace

int FindCell(const SpecialHeader& header, int column, int row) {
    for (size_t i = header.Cells.size(); i-- > 0;) {
        if (header.Cells[i].idcol == column && header.Cells[i].idrow == row)
            return int(i);
    }
    return kNoHeaderCell;
}

void BuildDefaultHeader(SpecialHeader& header, const ReportTable& table,
                        const OptionTriple& headerOptions, const ExtraColStyle& extraCol) {
    const size_t first = table.Ids.NumberingShown && !table.Columns.empty() ? 1 : 0;
    header = SpecialHeader{};
    header.GridColCount = 1;
    header.GridRowCount = 1;
    header.GridColWidths = {kRowNumberColumnWidth};
    header.Titles = {"№"};
    for (size_t c = first; c < table.Columns.size(); ++c) {
        ++header.GridColCount;
        header.GridColWidths.push_back(table.Columns[c].Width);
        header.Titles.push_back(table.Columns[c].Title);
    }
    AddCell(header);
    for (S_Thead& cell : header.Cells) {
        cell.text = header.Titles[size_t(cell.idcol) + 1];
        cell.align = headerOptions.Align;
        cell.fstyle = headerOptions.Style;
    }
    if (first == 1)
        ShowNumberingCells(header, table.Columns[0].Width, extraCol);
}

void AddCell(SpecialHeader& header) {
    const int row = header.Rows();
    ++header.GridRowCount;
    for (int c = 0; c < header.Columns(); ++c) {
        S_Thead cell;
        cell.idrow = row;
        cell.idcol = c;
        header.Cells.push_back(cell);
    }
}

bool DeleteRow(SpecialHeader& header, int row) {
    if (header.Rows() < 2 || row < 0 || row >= header.Rows())
        return false;
    std::erase_if(header.Cells, [row](const S_Thead& cell) { return cell.idrow == row; });
    for (S_Thead& cell : header.Cells) {
        if (cell.idrow > row)
            --cell.idrow;
        else if (IsAnchor(cell) && cell.idrow + cell.rowspan > row)
            --cell.rowspan;
    }
    --header.GridRowCount;
    NormaliseSpans(header);
    return true;
}

void SpawnCells(SpecialHeader& header, HeaderRect rect, bool merge) {
    rect = ClipRect(header, rect);
    if (rect.left > rect.right || rect.top > rect.bottom)
        return;
    // Undo every merge that reaches into the rectangle, so the new one stands alone.
    for (S_Thead& cell : header.Cells) {
        if (!IsAnchor(cell) || (cell.rowspan == 1 && cell.colspan == 1))
            continue;
        const HeaderRect area{cell.idcol, cell.idrow, cell.idcol + cell.colspan - 1,
                              cell.idrow + cell.rowspan - 1};
        if (area.left <= rect.right && area.right >= rect.left && area.top <= rect.bottom &&
            area.bottom >= rect.top) {
            cell.rowspan = 1;
            cell.colspan = 1;
        }
    }
    for (S_Thead& cell : header.Cells) {
        if (Inside(rect, cell.idcol, cell.idrow)) {
            cell.rowspan = 1;
            cell.colspan = 1;
        }
    }
    const int anchor = FindCell(header, rect.left, rect.top);
    if (merge && anchor != kNoHeaderCell) {
        header.Cells[size_t(anchor)].colspan = rect.right - rect.left + 1;
        header.Cells[size_t(anchor)].rowspan = rect.bottom - rect.top + 1;
    }
    NormaliseSpans(header);
}

void SetCellText(SpecialHeader& header, int column, int row, const std::string& text) {
    const int index = FindCell(header, column, row);
    if (index != kNoHeaderCell)
        header.Cells[size_t(index)].text = text;
}

void SetCellsStyle(SpecialHeader& header, HeaderRect rect, int fstyle) {
    ForCellsIn(header, rect, [fstyle](S_Thead& cell) { cell.fstyle = fstyle; });
}

void SetCellsAlign(SpecialHeader& header, HeaderRect rect, int align) {
    ForCellsIn(header, rect, [align](S_Thead& cell) { cell.align = align; });
}

void ShowNumberingCells(SpecialHeader& header, int width, const ExtraColStyle& extraCol) {
    if (header.NumberingShown || header.GridColWidths.empty() || header.Titles.empty())
        return;
    header.NumberingShown = true;
    ++header.GridColCount;
    header.GridColWidths.insert(header.GridColWidths.begin() + 1, width);
    header.Titles.insert(header.Titles.begin() + 1, "№");
    for (S_Thead& cell : header.Cells)
        ++cell.idcol;
    for (int row = 0; row < header.Rows(); ++row) {
        S_Thead cell;
        cell.idrow = row;
        cell.text = "№";
        if (row == 0) {
            cell.rowspan = header.Rows();
            cell.fstyle = extraCol.fstyle;
            cell.align = extraCol.align;
        } else {
            cell.rowspan = 0;
            cell.colspan = 0;
        }
        header.Cells.push_back(cell);
    }
}

ExtraColStyle HideNumberingCells(SpecialHeader& header) {
    if (!header.NumberingShown)
        return {};
    ExtraColStyle style;
    if (const int index = FindCell(header, 0, 0); index != kNoHeaderCell)
        style = {header.Cells[size_t(index)].fstyle, header.Cells[size_t(index)].align};
    header.NumberingShown = false;
    --header.GridColCount;
    header.GridColWidths.erase(header.GridColWidths.begin() + 1);
    header.Titles.erase(header.Titles.begin() + 1);
    std::erase_if(header.Cells, [](const S_Thead& cell) { return cell.idcol == 0; });
    for (S_Thead& cell : header.Cells)
        --cell.idcol;
    NormaliseSpans(header);
    return style;
}

void NormaliseSpans(SpecialHeader& header) {
    const int columns = std::max(header.Columns(), 0);
    const int rows = std::max(header.Rows(), 0);
    // The cell shown at each position: the last one in the list, as lookups find it.
    std::vector<S_Thead> grid(size_t(columns) * size_t(rows));
    std::vector<bool> present(grid.size(), false);
    for (const S_Thead& cell : header.Cells) {
        if (cell.idcol < 0 || cell.idcol >= columns || cell.idrow < 0 || cell.idrow >= rows)
            continue;
        const size_t at = size_t(cell.idrow) * size_t(columns) + size_t(cell.idcol);
        grid[at] = cell;
        present[at] = true;
    }
    std::vector<bool> covered(grid.size(), false);
    const auto at = [columns](int c, int r) { return size_t(r) * size_t(columns) + size_t(c); };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            S_Thead& cell = grid[at(c, r)];
            if (!present[at(c, r)]) {
                cell = S_Thead{};
                cell.idrow = r;
                cell.idcol = c;
                cell.text = "";
            }
            if (covered[at(c, r)]) {
                cell.rowspan = 0;
                cell.colspan = 0;
                continue;
            }
            // A cell covered by nothing prints as a plain cell; a merge stops at the edges and
            // at the first position another merge holds.
            int colspan = IsAnchor(cell) ? std::min(cell.colspan, columns - c) : 1;
            int rowspan = IsAnchor(cell) ? std::min(cell.rowspan, rows - r) : 1;
            for (int k = 1; k < colspan; ++k) {
                if (covered[at(c + k, r)])
                    colspan = k;
            }
            const auto rowFree = [&](int k) {
                for (int j = 0; j < colspan; ++j) {
                    if (covered[at(c + j, r + k)])
                        return false;
                }
                return true;
            };
            for (int k = 1; k < rowspan; ++k) {
                if (!rowFree(k))
                    rowspan = k;
            }
            cell.colspan = colspan;
            cell.rowspan = rowspan;
            for (int k = 0; k < rowspan; ++k) {
                for (int j = 0; j < colspan; ++j)
                    covered[at(c + j, r + k)] = true;
            }
        }
    }
    // Keep the list's order for the cells that were there; add the missing ones at the end.
    std::vector<S_Thead> cells;
    cells.reserve(grid.size());
    std::vector<bool> taken(grid.size(), false);
    for (size_t i = header.Cells.size(); i-- > 0;) {
        const S_Thead& cell = header.Cells[i];
        if (cell.idcol < 0 || cell.idcol >= columns || cell.idrow < 0 || cell.idrow >= rows ||
            taken[at(cell.idcol, cell.idrow)])
            continue;
        taken[at(cell.idcol, cell.idrow)] = true;
        cells.push_back(grid[at(cell.idcol, cell.idrow)]);
    }
    std::reverse(cells.begin(), cells.end());
    for (size_t i = 0; i < grid.size(); ++i) {
        if (!taken[i])
            cells.push_back(grid[i]);
    }
    header.Cells = std::move(cells);
}

int HeaderCellWidth(const SpecialHeader& header, int column, int row) {
    const int index = FindCell(header, column, row);
    const int span = index == kNoHeaderCell ? 1 : std::max(header.Cells[size_t(index)].colspan, 1);
    int width = 0;
    for (int g = column + 1; g <= column + span && g < int(header.GridColWidths.size()); ++g)
        width += header.GridColWidths[size_t(g)];
    return width;
}

int HeaderCellHeight(const SpecialHeader& header, int column, int row, int rowHeight) {
    const int index = FindCell(header, column, row);
    const int span = index == kNoHeaderCell ? 1 : std::max(header.Cells[size_t(index)].rowspan, 1);
    return rowHeight * std::max(1, std::min(span, header.Rows() - row));
}
