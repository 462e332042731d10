// The report view window's page "Особая шапка": the editing grid over the special header
// model, its row, merge, edit, style and alignment buttons, and the option that shows it.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "output/header/header_file.h"
#include "output/header/header_session.h"
#include "output/ui/cell_alignment.h"
#include "output/ui/report_view_window.h"
#include "reports/report_records.h"

namespace {

QToolButton* HeaderButton(QWidget* parent, const QString& text, const QString& hint,
                          bool checkable) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    return b;
}

}  // namespace

QWidget* TAprosmOt::BuildHeaderPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabHeader");
    AddCell = HeaderButton(page, "+", "Добавить строку", false);
    DelCell = HeaderButton(page, "−", "Удалить строку", false);
    SpawnCells = HeaderButton(page, "Объединить", "Объединить ячейки", true);
    EditCell = HeaderButton(page, "Редактировать", "Редактировать", true);
    static const char* const kAlignTexts[] = {"Лев", "Центр", "Прав"};
    static const char* const kAlignHints[] = {"По левому краю", "По центру", "По правому краю"};
    auto* exclusive = new QButtonGroup(page);
    for (int a = 0; a < 3; ++a) {
        HeadAlign[a] = HeaderButton(page, kAlignTexts[a], kAlignHints[a], true);
        exclusive->addButton(HeadAlign[a]);
        connect(HeadAlign[a], &QToolButton::clicked, this, [this, a] { OformCellsClick(-1, a); });
    }
    HeadBold = HeaderButton(page, "Ж", "Жирный", true);
    HeadItalic = HeaderButton(page, "К", "Курсив", true);
    connect(HeadBold, &QToolButton::clicked, this, [this] { OformCellsClick(kStyleBold, -1); });
    connect(HeadItalic, &QToolButton::clicked, this, [this] { OformCellsClick(kStyleItalic, -1); });
    Button9 = new QPushButton("Убрать особую шапку", page);
    Button9->setObjectName("Button9");

    connect(AddCell, &QToolButton::clicked, this, [this] { AddCellClick(); });
    connect(DelCell, &QToolButton::clicked, this, [this] { DelCellClick(); });
    connect(SpawnCells, &QToolButton::clicked, this, [this] { SpawnCellsClick(); });
    connect(EditCell, &QToolButton::toggled, this, [this](bool on) {
        StringGridHead->setEditTriggers(on ? QAbstractItemView::AllEditTriggers
                                           : QAbstractItemView::NoEditTriggers);
    });
    connect(Button9, &QPushButton::clicked, this, [this] { CheckBox3->setChecked(false); });

    StringGridHead = new QTableWidget(page);
    StringGridHead->setObjectName("StringGridHead");
    StringGridHead->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridHead->verticalHeader()->hide();
    StringGridHead->setWordWrap(false);
    connect(StringGridHead, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!fillingGrid_ && item->column() > 0)
            HeaderTextChanged(item->column() - 1, item->row(), item->text());
    });
    connect(StringGridHead, &QTableWidget::cellClicked, this,
            [this](int row, int column) { ShowHeaderCellState(column - 1, row); });
    connect(StringGridHead->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!fillingGrid_ && column > 0)
                    HeaderGridColumnSized(column, width);
            });

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{AddCell, DelCell, SpawnCells, EditCell})
        tools->addWidget(w);
    tools->addSpacing(12);
    for (QToolButton* b : HeadAlign)
        tools->addWidget(b);
    tools->addWidget(HeadBold);
    tools->addWidget(HeadItalic);
    tools->addStretch();
    tools->addWidget(Button9);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(tools);
    layout->addWidget(StringGridHead, 1);
    return page;
}

void TAprosmOt::ShowHeaderGrid() {
    fillingGrid_ = true;
    const QSignalBlocker block(StringGridHead);
    StringGridHead->clear();
    StringGridHead->clearSpans();
    StringGridHead->setColumnCount(header_.GridColCount);
    StringGridHead->setRowCount(std::max(header_.Rows(), 0));
    for (int c = 0; c < header_.GridColCount; ++c) {
        const QString title = c < static_cast<int>(header_.Titles.size())
                                  ? QString::fromStdString(header_.Titles[c])
                                  : QString();
        StringGridHead->setHorizontalHeaderItem(c, new QTableWidgetItem(title));
        if (c < static_cast<int>(header_.GridColWidths.size()))
            StringGridHead->setColumnWidth(c, header_.GridColWidths[c]);
    }
    for (int r = 0; r < header_.Rows(); ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        StringGridHead->setItem(r, 0, number);
    }
    for (const S_Thead& cell : header_.Cells) {
        if (cell.idcol + 1 >= header_.GridColCount || cell.idrow >= header_.Rows())
            continue;
        auto* item = new QTableWidgetItem(QString::fromStdString(cell.text));
        item->setTextAlignment(CellAlignment(cell.align));
        QFont font = StringGridHead->font();
        font.setBold(cell.fstyle & kStyleBold);
        font.setItalic(cell.fstyle & kStyleItalic);
        item->setFont(font);
        StringGridHead->setItem(cell.idrow, cell.idcol + 1, item);
    }
    for (const S_Thead& cell : header_.Cells)
        if (cell.rowspan > 0 && cell.colspan > 0 && (cell.rowspan > 1 || cell.colspan > 1))
            StringGridHead->setSpan(cell.idrow, cell.idcol + 1, cell.rowspan, cell.colspan);
    fillingGrid_ = false;
}

HeaderRect TAprosmOt::SelectedHeaderRect() const {
    const QList<QTableWidgetSelectionRange> ranges = StringGridHead->selectedRanges();
    if (ranges.isEmpty()) {
        const int row = std::max(StringGridHead->currentRow(), 0);
        const int column = std::max(StringGridHead->currentColumn() - 1, 0);
        return {column, row, column, row};
    }
    const QTableWidgetSelectionRange& r = ranges.first();
    return {std::max(r.leftColumn() - 1, 0), r.topRow(), std::max(r.rightColumn() - 1, 0),
            r.bottomRow()};
}

void TAprosmOt::ShowHeaderCellState(int column, int row) {
    const int index = FindCell(header_, column, row);
    if (index == kNoHeaderCell)
        return;
    const S_Thead& cell = header_.Cells[index];
    SpawnCells->setChecked(cell.rowspan > 1 || cell.colspan > 1);
    for (int a = 0; a < 3; ++a)
        HeadAlign[a]->setChecked(cell.align == a);
    HeadBold->setChecked(cell.fstyle & kStyleBold);
    HeadItalic->setChecked(cell.fstyle & kStyleItalic);
}

void TAprosmOt::AddCellClick() {
    ::AddCell(header_);
    ShowHeaderGrid();
}

void TAprosmOt::DelCellClick() {
    if (DeleteRow(header_, SelectedHeaderRect().top))
        ShowHeaderGrid();
}

void TAprosmOt::SpawnCellsClick() {
    ::SpawnCells(header_, SelectedHeaderRect(), SpawnCells->isChecked());
    ShowHeaderGrid();
}

void TAprosmOt::OformCellsClick(int styleBit, int align) {
    const HeaderRect rect = SelectedHeaderRect();
    if (align >= 0) {
        SetCellsAlign(header_, rect, align);
    } else {
        const QToolButton* button = styleBit == kStyleBold ? HeadBold : HeadItalic;
        const int index = FindCell(header_, rect.left, rect.top);
        int style = index == kNoHeaderCell ? 0 : header_.Cells[index].fstyle;
        style = button->isChecked() ? style | styleBit : style & ~styleBit;
        SetCellsStyle(header_, rect, style);
    }
    ShowHeaderGrid();
}

void TAprosmOt::HeaderTextChanged(int column, int row, const QString& text) {
    SetCellText(header_, column, row, text.toStdString());
    const int gridColumn = column + 1;
    StringGridHead->setColumnWidth(gridColumn, StringGridHead->columnWidth(gridColumn) + 10);
}

void TAprosmOt::HeaderGridColumnSized(int gridColumn, int width) {
    if (gridColumn > static_cast<int>(table_.Columns.size()))
        return;
    if (!HeaderColumnResized(header_, table_, CurrentReport(), gridColumn, width))
        TellWriteFailure();
    fillingGrid_ = true;
    StringGrid1->setColumnWidth(gridColumn - 1, width);
    fillingGrid_ = false;
}

void TAprosmOt::ShowHeaderPage(bool on) {
    PageControl1->setTabVisible(PageControl1->indexOf(TabHeader), on);
}

void TAprosmOt::CheckBox3Click(bool on) {
    ReportRecords& records = CurrentReport();
    records.RepI.SpecialHeader = on;
    ShowHeaderPage(on);
    if (!records.Loaded)
        return;
    const std::string& path = records.RepI.ModuleReportPath;
    const ExtraColStyle extraCol = ReadExtraColStyle(path);
    if (on)
        LoadHeader(header_, HeaderFilePath(path), extraCol);
    else
        BuildDefaultHeader(header_, table_, records.RepO.HeaderOpt, extraCol);
    ShowHeaderGrid();
}
