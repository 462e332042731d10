// Building the column identifier list and finding a table column's identifier.
#include "reports/column_ids.h"

#include "reports/report_keys.h"

ColumnIdList MakeColumnIdList(bool numberingShown) {
    return {{numberingShown ? kNumberingColumnId : 0, kDateColumnId}, numberingShown};
}

void AddColumnId(ColumnIdList& list, int id) {
    list.Ids.push_back(id);
}

int ColumnIdOfGridColumn(const ColumnIdList& list, int gridColumn) {
    if (gridColumn < 0)
        return -1;
    const size_t slot = static_cast<size_t>(gridColumn) + (list.NumberingShown ? 0 : 1);
    return slot < list.Ids.size() ? list.Ids[slot] : -1;
}
