// Names of the numbered sections of report files.
#include "reports/report_keys.h"

std::string ColumnSection(int index) {
    return "Column" + std::to_string(index);
}

std::string ColumnIdSection(int id) {
    return "Id_" + std::to_string(id);
}
