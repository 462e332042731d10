// The report view window's page "Данные": title, header, the report table and the signature
// field, and choosing and sizing table columns.
#include <QHeaderView>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QVBoxLayout>

#include "output/ui/cell_alignment.h"
#include "output/ui/report_view_window.h"
#include "platform/prompts.h"
#include "reports/report_records.h"

namespace {

QFont StyledFont(QFont font, const OptionTriple& options) {
    font.setBold(options.Style & kStyleBold);
    font.setItalic(options.Style & kStyleItalic);
    return font;
}

QTextEdit* TextMemo(QWidget* parent, const char* name) {
    auto* memo = new QTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    return memo;
}

// Font style and alignment of every paragraph of a memo.
void StyleMemo(QTextEdit* memo, const OptionTriple& options) {
    memo->setFont(StyledFont(memo->font(), options));
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(CellAlignment(options.Align) & Qt::AlignHorizontal_Mask);
    cursor.mergeBlockFormat(format);
}

// The lines of a memo as one text.
QString MemoText(const std::vector<std::string>& lines) {
    return QString::fromStdString(JoinLines(lines)).replace("\r\n", "\n");
}

}  // namespace

QWidget* TAprosmOt::BuildDataPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabData");
    LabelrTitle = new QLabel(page);
    LabelrTitle->setObjectName("LabelrTitle");
    LabelrTitle->setWordWrap(true);
    MemorHeader = TextMemo(page, "MemorHeader");
    MemorFooter = TextMemo(page, "MemorFooter");
    StringGrid1 = new QTableWidget(page);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    StringGrid1->setWordWrap(false);
    StringGrid1->horizontalHeader()->setSectionsClickable(true);
    connect(StringGrid1, &QTableWidget::cellClicked, this,
            [this](int, int column) { StringGrid1Click(column); });
    connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { StringGrid1Click(column); });
    connect(StringGrid1->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!fillingGrid_)
                    StringGrid1HeaderSized(column, width);
            });

    auto* split = new QSplitter(Qt::Vertical, page);
    split->addWidget(MemorHeader);
    split->addWidget(StringGrid1);
    split->addWidget(MemorFooter);
    split->setStretchFactor(1, 1);
    split->setSizes({90, 400, 90});
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(LabelrTitle);
    layout->addWidget(split, 1);
    return page;
}

void TAprosmOt::ShowTable() {
    fillingGrid_ = true;
    const int columns = static_cast<int>(table_.Columns.size());
    const int rows = table_.RowCount() > 0 ? table_.RowCount() - 1 : 0;
    StringGrid1->clear();
    StringGrid1->setColumnCount(columns);
    StringGrid1->setRowCount(rows);
    for (int c = 0; c < columns; ++c) {
        const TableColumn& column = table_.Columns[c];
        StringGrid1->setHorizontalHeaderItem(
            c, new QTableWidgetItem(QString::fromStdString(column.Title)));
        for (int r = 0; r < rows; ++r)
            StringGrid1->setItem(r, c,
                                 new QTableWidgetItem(QString::fromStdString(column.Cells[r + 1])));
        StringGrid1->setColumnWidth(c, column.Width);
        ShowColumnStyle(c);
    }
    ApplyGroupToPreview(ogTabHead);
    fillingGrid_ = false;
}

void TAprosmOt::ShowColumnStyle(int gridColumn) {
    const OptionTriple& options = table_.Columns[gridColumn].Options;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        QTableWidgetItem* item = StringGrid1->item(r, gridColumn);
        item->setTextAlignment(CellAlignment(options.Align));
        item->setFont(StyledFont(StringGrid1->font(), options));
    }
}

void TAprosmOt::ShowTexts() {
    const S_repO& o = CurrentReport().RepO;
    LabelrTitle->setText(QString::fromStdString(o.Title));
    MemorHeader->setPlainText(MemoText(o.Header));
    MemorFooter->setPlainText(MemoText(o.Footer));
}

void TAprosmOt::ApplyGroupToPreview(OptionGroup group) {
    ReportRecords& records = CurrentReport();
    const OptionTriple& options = GroupTriple(records, group);
    switch (group) {
        case ogTitle:
            LabelrTitle->setFont(StyledFont(font(), options));
            LabelrTitle->setAlignment(CellAlignment(options.Align));
            break;
        case ogHeader:
            StyleMemo(MemorHeader, options);
            break;
        case ogFooter:
            StyleMemo(MemorFooter, options);
            break;
        case ogTabHead:
            for (int c = 0; c < StringGrid1->columnCount(); ++c) {
                QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(c);
                item->setTextAlignment(CellAlignment(options.Align));
                item->setFont(StyledFont(StringGrid1->font(), options));
            }
            break;
        case ogColumn:
            if (const auto c = ParseWholeNumber(Edit3->text().toStdString());
                c && *c >= 0 && *c < StringGrid1->columnCount())
                ShowColumnStyle(*c);
            break;
        case ogSummary:
            break;
    }
}

void TAprosmOt::StringGrid1Click(int column) {
    if (!SelectTableColumn(CurrentReport(), table_, column))
        return;
    ShowSelectedColumn(column);
}

void TAprosmOt::ShowSelectedColumn(int gridColumn) {
    Edit3->setText(QString::number(gridColumn));
    Edit2->setText(QString::number(CurrentReport().ColO.Width));
    ShowGroupOptions(ogColumn);
}

void TAprosmOt::StringGrid1HeaderSized(int column, int width) {
    if (!SelectTableColumn(CurrentReport(), table_, column))
        return;
    if (!SetTableColumnWidth(CurrentReport(), table_, header_, column, width))
        TellWriteFailure();
    ShowSelectedColumn(column);
}

void TAprosmOt::SpeedButton19Click() {
    const auto column = ParseWholeNumber(Edit3->text().toStdString());
    const auto width = ParseWholeNumber(Edit2->text().toStdString());
    if (!column || !width || *width < kMinColumnWidth || *width > kMaxColumnWidth ||
        !SelectTableColumn(CurrentReport(), table_, *column)) {
        CurrentPrompts().Message("Velorm: Сообщение", "Выберите колонку");
        return;
    }
    if (!SetTableColumnWidth(CurrentReport(), table_, header_, *column, *width))
        TellWriteFailure();
    fillingGrid_ = true;
    StringGrid1->setColumnWidth(*column, *width);
    fillingGrid_ = false;
}
