// The special header model: default header, editing, numbering column, stored files (round
// trip, fitting rules, damaged files) and the printed sizes of merged cells.
#include <gtest/gtest.h>

#include "output/header/header_file.h"
#include "output/header/header_model.h"
#include "output/header/header_session.h"
#include "output/table/table_columns.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "support/print_fixture.h"
#include "support/temp_dir.h"

namespace {

// Every position is printed by exactly one cell: anchors cover their spans, every other cell
// has spans 0 or less, and the list holds one cell per position.
void ExpectConsistent(const SpecialHeader& header) {
    ASSERT_EQ(header.Cells.size(), size_t(header.Columns()) * size_t(header.Rows()));
    ASSERT_EQ(header.GridColWidths.size(), size_t(header.GridColCount));
    std::vector<int> owners(header.Cells.size(), 0);
    for (int r = 0; r < header.Rows(); ++r) {
        for (int c = 0; c < header.Columns(); ++c) {
            const int index = FindCell(header, c, r);
            ASSERT_NE(index, kNoHeaderCell) << c << "," << r;
            const S_Thead& cell = header.Cells[size_t(index)];
            if (cell.rowspan < 1 || cell.colspan < 1) {
                EXPECT_TRUE(cell.rowspan < 1 && cell.colspan < 1);
                continue;
            }
            ASSERT_LE(c + cell.colspan, header.Columns());
            ASSERT_LE(r + cell.rowspan, header.Rows());
            for (int k = r; k < r + cell.rowspan; ++k) {
                for (int j = c; j < c + cell.colspan; ++j)
                    ++owners[size_t(k) * size_t(header.Columns()) + size_t(j)];
            }
        }
    }
    for (size_t i = 0; i < owners.size(); ++i)
        EXPECT_EQ(owners[i], 1) << "position " << i;
}

const S_Thead& Cell(const SpecialHeader& header, int column, int row) {
    const int index = FindCell(header, column, row);
    EXPECT_NE(index, kNoHeaderCell);
    return header.Cells.at(size_t(index));
}

class SpecialHeaderTest : public ::testing::Test {
  protected:
    SpecialHeaderTest()
        : reportPath_(dir_.WriteFile("mod/Reports/00000012.ini", "[Report]\nExtraTHeader=1\n")),
          table_(SampleReportTable(3, 3)),
          records_(SampleRecords(reportPath_)) {
        records_.RepI.SpecialHeader = true;
        records_.RepO.HeaderOpt = {taRight, kStyleItalic, flNormal};
        SetUpHeader(header_, table_, records_);
    }

    // The header of the edge-case list: two rows, columns 1 and 2 of the first row merged.
    void MergeSecondAndThird() {
        AddCell(header_);
        SetCellText(header_, 1, 0, "Тепло");
        SetCellText(header_, 1, 1, "Q1");
        SetCellText(header_, 2, 1, "Q2");
        SpawnCells(header_, {1, 0, 2, 0}, true);
    }

    TempDir dir_;
    std::string reportPath_;
    ReportTable table_;
    ReportRecords records_;
    SpecialHeader header_;
};

TEST_F(SpecialHeaderTest, DefaultHeaderRepeatsTheColumnTitles) {
    EXPECT_EQ(header_.GridColCount, 5);
    EXPECT_EQ(header_.GridRowCount, 2);
    EXPECT_EQ(header_.GridColWidths, (std::vector<int>{20, 110, 52, 52, 52}));
    EXPECT_EQ(header_.Titles,
              (std::vector<std::string>{"№", "Дата", "Пар. 1", "Пар. 2", "Пар. 3"}));
    ExpectConsistent(header_);
    EXPECT_EQ(Cell(header_, 2, 0).text, "Пар. 2");
    EXPECT_EQ(Cell(header_, 2, 0).align, taRight);
    EXPECT_EQ(Cell(header_, 2, 0).fstyle, kStyleItalic);
    EXPECT_EQ(FindCell(header_, 4, 0), kNoHeaderCell);
    EXPECT_EQ(FindCell(header_, 0, 1), kNoHeaderCell);
}

TEST_F(SpecialHeaderTest, MergedPairIsStoredAsEightCellsAndReadBack) {
    MergeSecondAndThird();
    ExpectConsistent(header_);
    EXPECT_EQ(HeaderCellWidth(header_, 1, 0), 104);
    EXPECT_EQ(HeaderCellHeight(header_, 1, 0, 18), 18);
    ASSERT_TRUE(SaveHeader(header_, records_));

    const std::string path = dir_ / "mod/Reports/THead/00000012TabHead.ini";
    EXPECT_EQ(HeaderFilePath(reportPath_), path);
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Main", "ColCount", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Main", "RowCount", 0), 2);
    int cells = 0;
    for (const std::string& section : ini.ReadSections())
        cells += section.starts_with("Cell_") ? 1 : 0;
    EXPECT_EQ(cells, 8);
    EXPECT_EQ(ini.ReadInteger("Cell_1_0", "colspan", 0), 2);
    EXPECT_LE(ini.ReadInteger("Cell_2_0", "colspan", 1), 0);
    EXPECT_EQ(ini.ReadString("Cell_1_0", "text", ""), "Тепло");

    SpecialHeader loaded;
    SetUpHeader(loaded, table_, records_);
    EXPECT_EQ(loaded.GridRowCount, 3);
    ExpectConsistent(loaded);
    for (const S_Thead& cell : header_.Cells) {
        const S_Thead& back = Cell(loaded, cell.idcol, cell.idrow);
        EXPECT_EQ(back.text, cell.text);
        EXPECT_EQ(back.colspan, cell.colspan);
        EXPECT_EQ(back.rowspan, cell.rowspan);
        EXPECT_EQ(back.fstyle, cell.fstyle);
        EXPECT_EQ(back.align, cell.align);
    }
}

TEST_F(SpecialHeaderTest, HeaderIsSavedOnlyForALoadedReportWithTheOptionOn) {
    const std::string path = HeaderFilePath(reportPath_);
    ReportRecords off = records_;
    off.RepI.SpecialHeader = false;
    ReportRecords notLoaded = records_;
    notLoaded.Loaded = false;
    EXPECT_TRUE(SaveHeader(header_, off));
    EXPECT_TRUE(SaveHeader(header_, notLoaded));
    EXPECT_TRUE(SaveHeader(SpecialHeader{}, records_));
    EXPECT_FALSE(FileExists(path));

    // A module that vanished is not created again by saving.
    ReportRecords vanished = records_;
    vanished.RepI.ModuleReportPath = dir_ / "gone/Reports/00000012.ini";
    EXPECT_FALSE(SaveHeader(header_, vanished));
    EXPECT_FALSE(DirectoryExists(dir_ / "gone"));
    // Nor is a deleted module report file made anew for the numbering column's style.
    EXPECT_FALSE(WriteExtraColStyle(dir_ / "mod/Reports/deleted.ini", {1, 1}));
    EXPECT_FALSE(FileExists(dir_ / "mod/Reports/deleted.ini"));
}

TEST_F(SpecialHeaderTest, HeaderOfATableThatGainedAColumnIsNotLoaded) {
    MergeSecondAndThird();
    ASSERT_TRUE(SaveHeader(header_, records_));
    const ReportTable wider = SampleReportTable(3, 4);
    SpecialHeader loaded;
    SetUpHeader(loaded, wider, records_);
    EXPECT_EQ(loaded.Rows(), 1);
    EXPECT_EQ(loaded.Columns(), 5);
    EXPECT_EQ(Cell(loaded, 1, 0).text, "Пар. 1");
}

TEST_F(SpecialHeaderTest, NumberingColumnKeepsItsHeaderStyleThroughExtraCol) {
    MergeSecondAndThird();
    AddNumberingColumn(table_, records_);
    ShowNumberingColumn(header_, table_, records_);
    ExpectConsistent(header_);
    EXPECT_EQ(header_.Titles[1], "№");
    EXPECT_EQ(Cell(header_, 0, 0).rowspan, 2);
    EXPECT_EQ(Cell(header_, 2, 0).text, "Тепло");
    EXPECT_EQ(Cell(header_, 2, 0).colspan, 2);
    SetCellsStyle(header_, {0, 0, 0, 0}, kStyleBold | kStyleItalic);
    SetCellsAlign(header_, {0, 0, 0, 0}, taCenter);

    ASSERT_TRUE(HideNumberingColumn(header_, records_));
    ExpectConsistent(header_);
    EXPECT_EQ(Cell(header_, 1, 0).text, "Тепло");
    const ExtraColStyle kept = ReadExtraColStyle(reportPath_);
    EXPECT_EQ(kept.fstyle, kStyleBold | kStyleItalic);
    EXPECT_EQ(kept.align, taCenter);

    ShowNumberingColumn(header_, table_, records_);
    EXPECT_EQ(Cell(header_, 0, 0).fstyle, kStyleBold | kStyleItalic);
    EXPECT_EQ(Cell(header_, 0, 0).align, taCenter);
    EXPECT_EQ(HeaderCellHeight(header_, 0, 0, 18), 36);
    EXPECT_EQ(Cell(header_, 0, 1).colspan, 0);  // covered by the merge
}

// A header stored without the numbering column, loaded while the column is shown, gets the
// column added as when it is switched on, so every position has a cell.
TEST_F(SpecialHeaderTest, HeaderStoredWithoutNumberingIsCompletedWhenItIsShown) {
    MergeSecondAndThird();
    WriteExtraColStyle(reportPath_, {kStyleBold, taRight});
    ASSERT_TRUE(SaveHeader(header_, records_));

    AddNumberingColumn(table_, records_);
    SpecialHeader loaded;
    SetUpHeader(loaded, table_, records_);
    ASSERT_EQ(loaded.Rows(), 2);
    ASSERT_EQ(loaded.Columns(), 5);
    ExpectConsistent(loaded);
    EXPECT_TRUE(loaded.NumberingShown);
    EXPECT_EQ(Cell(loaded, 0, 0).text, "№");
    EXPECT_EQ(Cell(loaded, 0, 0).rowspan, 2);
    EXPECT_EQ(Cell(loaded, 0, 0).fstyle, kStyleBold);
    EXPECT_EQ(Cell(loaded, 0, 0).align, taRight);
    EXPECT_EQ(Cell(loaded, 2, 0).text, "Тепло");
    EXPECT_EQ(Cell(loaded, 3, 1).text, "Q2");
    EXPECT_EQ(loaded.GridColWidths[1], table_.Columns[0].Width);

    // Preview saves it with the numbering column; leaving takes the column out first.
    ASSERT_TRUE(SaveHeader(loaded, records_));
    EXPECT_EQ(IniFile(HeaderFilePath(reportPath_)).ReadInteger("Main", "ColCount", 0), 5);
    records_.RepI.NumberingColumn = true;
    ASSERT_TRUE(SaveHeaderOnLeaving(loaded, records_));
    EXPECT_EQ(IniFile(HeaderFilePath(reportPath_)).ReadInteger("Main", "ColCount", 0), 4);
    EXPECT_EQ(loaded.Columns(), 4);
}

TEST_F(SpecialHeaderTest, EditingRowsMergesAndStyles) {
    AddCell(header_);
    AddCell(header_);
    EXPECT_EQ(Cell(header_, 3, 2).text, "  ");
    // A merge over rows 0 … 2 of column 0, then a merge overlapping another one.
    SpawnCells(header_, {0, 0, 0, 2}, true);
    SpawnCells(header_, {1, 1, 3, 2}, true);
    SpawnCells(header_, {2, 0, 3, 1}, true);  // undoes the previous merge it reaches into
    ExpectConsistent(header_);
    EXPECT_EQ(Cell(header_, 2, 0).colspan, 2);
    EXPECT_EQ(Cell(header_, 2, 0).rowspan, 2);
    EXPECT_EQ(Cell(header_, 1, 1).colspan, 1);
    EXPECT_EQ(Cell(header_, 3, 2).colspan, 1);
    // Deleting the middle row shortens the merges reaching into it.
    ASSERT_TRUE(DeleteRow(header_, 1));
    ExpectConsistent(header_);
    EXPECT_EQ(Cell(header_, 0, 0).rowspan, 2);
    EXPECT_EQ(Cell(header_, 2, 0).rowspan, 1);
    // Unmerging leaves plain cells; styles apply to the whole selection.
    SpawnCells(header_, {0, 0, 0, 0}, false);
    ExpectConsistent(header_);
    EXPECT_EQ(Cell(header_, 0, 1).rowspan, 1);
    SetCellsStyle(header_, {3, 1, 1, 0}, kStyleBold);
    SetCellsAlign(header_, {1, 0, 1, 1}, taCenter);
    EXPECT_EQ(Cell(header_, 2, 1).fstyle, kStyleBold);
    EXPECT_EQ(Cell(header_, 0, 0).fstyle, kStyleItalic);
    EXPECT_EQ(Cell(header_, 1, 1).align, taCenter);
    EXPECT_EQ(Cell(header_, 2, 1).align, 0);
    // The last remaining row stays.
    EXPECT_TRUE(DeleteRow(header_, 0));
    EXPECT_FALSE(DeleteRow(header_, 0));
    EXPECT_FALSE(DeleteRow(header_, 5));
    EXPECT_EQ(header_.Rows(), 1);
    ExpectConsistent(header_);
}

TEST_F(SpecialHeaderTest, ResizingAHeaderColumnResizesAndStoresTheTableColumn) {
    ASSERT_TRUE(HeaderColumnResized(header_, table_, records_, 2, 77));
    EXPECT_EQ(header_.GridColWidths[2], 77);
    EXPECT_EQ(table_.Columns[1].Width, 77);
    EXPECT_EQ(IniFile(reportPath_).ReadInteger("Id_101", "ColWidth", 0), 77);
    EXPECT_FALSE(HeaderColumnResized(header_, table_, records_, 0, 30));
    EXPECT_FALSE(HeaderColumnResized(header_, table_, records_, 9, 30));
}

// Damaged header files: not loaded when the counts do not fit, otherwise cut to a consistent
// header; never a crash or a huge allocation.
TEST_F(SpecialHeaderTest, DamagedFilesGiveAConsistentHeader) {
    struct Case {
        const char* name;
        std::string file;
        bool loaded;
    };
    const std::vector<Case> cases = {
        {"huge row count", "[Main]\nColCount=4\nRowCount=2000000000\n", false},
        {"negative row count", "[Main]\nColCount=4\nRowCount=-3\n", false},
        {"no rows", "[Main]\nColCount=4\nRowCount=0\n", false},
        {"huge column count", "[Main]\nColCount=99999999999\nRowCount=2\n", false},
        {"not an INI file", std::string("\x00\xff\x13garbage\n[[[", 14), false},
        {"cells missing", "[Main]\nColCount=4\nRowCount=2\n[Cell_1_1]\ntext=x\n", true},
        {"spans past the edges",
         "[Main]\nColCount=4\nRowCount=2\n[Cell_2_0]\ncolspan=50\nrowspan=2147483647\n"
         "[Cell_3_1]\ncolspan=-7\nrowspan=-7\n",
         true},
        {"overlapping merges and foreign positions",
         "[Main]\nColCount=4\nRowCount=2\n[Cell_0_0]\ncolspan=3\n[Cell_1_0]\nrowspan=2\n"
         "[Cell_3_0]\nidcol=70\nidrow=-4\n[Cell_0_1]\ncolspan=2\nidcol=2\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir_.WriteFile("mod/Reports/THead/00000012TabHead.ini", c.file);
        SpecialHeader header;
        SetUpHeader(header, table_, records_);
        ExpectConsistent(header);
        EXPECT_EQ(header.Columns(), 4);
        EXPECT_EQ(header.Rows(), c.loaded ? 2 : 1);
        EXPECT_EQ(Cell(header, 0, 0).text, c.loaded ? "" : "Дата");
    }
}

}  // namespace
