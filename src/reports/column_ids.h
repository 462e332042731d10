// The column identifier list: which report column each table column shows.
#pragma once

#include <vector>

// Slot 0 belongs to the numbering column (10000 while it is shown, else 0), slot 1 to the
// date column (15000); the data columns follow in the order they were added.
struct ColumnIdList {
    std::vector<int> Ids;
    bool NumberingShown = false;
};

// A list holding only the numbering and date slots.
ColumnIdList MakeColumnIdList(bool numberingShown);
void AddColumnId(ColumnIdList& list, int id);
// Identifier of the table column with grid index gridColumn: slot gridColumn when the
// numbering column is shown (it is then grid column 0), else slot gridColumn + 1; -1 when
// there is no such column.
int ColumnIdOfGridColumn(const ColumnIdList& list, int gridColumn);
