// Emptying the report table.
#include "output/table/report_table.h"

void ClearTable(ReportTable& table) {
    table.Periods = 0;
    table.Columns.clear();
    table.Ids = MakeColumnIdList(false);
    table.LabelRows.clear();
}
