// Fuzz target: a special header file of any bytes, loaded over a table with and without the
// numbering column, then edited; every position must stay printed by exactly one cell.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "output/header/header_file.h"
#include "output/header/header_model.h"
#include "platform/files.h"

namespace {

void CheckConsistent(const SpecialHeader& header) {
    if (header.Cells.size() != size_t(header.Columns()) * size_t(header.Rows()))
        std::abort();
    std::vector<int> owners(header.Cells.size(), 0);
    for (const S_Thead& cell : header.Cells) {
        if (cell.rowspan < 1 || cell.colspan < 1)
            continue;
        if (cell.idcol + cell.colspan > header.Columns() ||
            cell.idrow + cell.rowspan > header.Rows())
            std::abort();
        for (int r = cell.idrow; r < cell.idrow + cell.rowspan; ++r) {
            for (int c = cell.idcol; c < cell.idcol + cell.colspan; ++c)
                ++owners[size_t(r) * size_t(header.Columns()) + size_t(c)];
        }
    }
    for (int owner : owners) {
        if (owner != 1)
            std::abort();
    }
}

SpecialHeader TableHeader(bool numbering) {
    ReportTable table;
    table.Periods = 1;
    for (int c = 0; c < 5; ++c)
        table.Columns.push_back({"c" + std::to_string(c), 50, {}, {"", "", ""}});
    table.Ids.NumberingShown = numbering;
    SpecialHeader header;
    BuildDefaultHeader(header, table, {}, {1, 2});
    return header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/velorm-fuzz-header-" + std::to_string(getpid()) + ".ini";
    WriteFileAtomic(path, data, size);
    for (bool numbering : {false, true}) {
        SpecialHeader header = TableHeader(numbering);
        LoadHeader(header, path, {3, 1});
        CheckConsistent(header);
        const int a = size > 0 ? data[0] % 7 - 1 : 0;
        const int b = size > 1 ? data[1] % 7 - 1 : 2;
        SpawnCells(header, {a, b, b + 1, a + 2}, true);
        CheckConsistent(header);
        DeleteRow(header, b);
        CheckConsistent(header);
        HideNumberingCells(header);
        CheckConsistent(header);
        for (const S_Thead& cell : header.Cells)
            HeaderCellWidth(header, cell.idcol, cell.idrow);
    }
    return 0;
}
