// The report view window's page "Параметры отчета": the option panels "Общие" and "Таблица",
// their handlers, and putting a loaded report's options into the controls.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "output/header/header_session.h"
#include "output/table/table_columns.h"
#include "output/ui/report_view_window.h"
#include "output/view/apply_to_all.h"
#include "platform/prompts.h"
#include "reports/report_records.h"
#include "shell/program_state.h"

namespace {

constexpr const char* kMessageCaption = "Velorm: Сообщение";

QToolButton* ToolButton(QWidget* parent, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(true);
    return b;
}

QCheckBox* CheckBox(QWidget* parent, const QString& caption, const char* name) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

OptionButtons TAprosmOt::MakeOptionButtons(const QString& title, OptionGroup group,
                                           bool withFrame) {
    OptionButtons b;
    b.Group = new QGroupBox(title, this);
    static const char* const kAlignTexts[] = {"Лев", "Центр", "Прав"};
    static const char* const kAlignHints[] = {"По левому краю", "По центру", "По правому краю"};
    auto* row = new QHBoxLayout;
    auto* exclusive = new QButtonGroup(b.Group);
    for (int a = 0; a < 3; ++a) {
        b.Align[a] = ToolButton(b.Group, kAlignTexts[a], kAlignHints[a]);
        exclusive->addButton(b.Align[a]);
        row->addWidget(b.Align[a]);
        connect(b.Align[a], &QToolButton::clicked, this,
                [this, group, a] { AlignButClick(group, a); });
    }
    b.Bold = ToolButton(b.Group, "Ж", "Жирный");
    b.Italic = ToolButton(b.Group, "К", "Курсив");
    QFont bold = b.Bold->font();
    bold.setBold(true);
    b.Bold->setFont(bold);
    QFont italic = b.Italic->font();
    italic.setItalic(true);
    b.Italic->setFont(italic);
    connect(b.Bold, &QToolButton::toggled, this,
            [this, group](bool on) { StyleButClick(group, kStyleBold, on); });
    connect(b.Italic, &QToolButton::toggled, this,
            [this, group](bool on) { StyleButClick(group, kStyleItalic, on); });
    row->addSpacing(8);
    row->addWidget(b.Bold);
    row->addWidget(b.Italic);
    row->addStretch();
    auto* layout = new QFormLayout(b.Group);
    if (withFrame) {
        b.Frame = new QComboBox(b.Group);
        b.Frame->addItems({"Обычная", "Жирная"});
        connect(b.Frame, &QComboBox::activated, this,
                [this, group](int frame) { LineButClick(group, frame); });
        layout->addRow("Рамка:", b.Frame);
    }
    layout->addRow("Оформление:", row);
    return b;
}

QWidget* TAprosmOt::BuildOptionsPage() {
    auto* page = new QWidget(this);
    page->setObjectName("GrOptRep");
    ButtonPrepare = new QPushButton("Предпросмотр", page);
    ButtonPrepare->setObjectName("ButtonPrepare");
    connect(ButtonPrepare, &QPushButton::clicked, this, [this] { ButtonPrepareClick(); });

    auto* pdf = new QGroupBox("PDF-экспорт", page);
    DirectoryEdit1 = new QLineEdit(pdf);
    DirectoryEdit1->setObjectName("DirectoryEdit1");
    auto* browse = new QToolButton(pdf);
    browse->setText("…");
    connect(browse, &QToolButton::clicked, this, [this] {
        if (const auto dir = CurrentPrompts().ChooseDirectory("Папка для сохранения:",
                                                              DirectoryEdit1->text().toStdString()))
            DirectoryEdit1->setText(QString::fromStdString(*dir));
    });
    connect(DirectoryEdit1, &QLineEdit::textChanged, this,
            [](const QString& text) { CurrentReport().RepO.PdfDir = text.toStdString(); });
    Edit4 = new QLineEdit(pdf);
    Edit4->setObjectName("Edit4");
    connect(Edit4, &QLineEdit::textChanged, this,
            [](const QString& text) { CurrentReport().RepO.PdfFileName = text.toStdString(); });
    Button2 = new QPushButton("Сгенерировать имя", pdf);
    Button2->setObjectName("Button2");
    Button4 = new QPushButton("Сохранить", pdf);
    Button4->setObjectName("Button4");
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(DirectoryEdit1);
    dirRow->addWidget(browse);
    auto* pdfButtons = new QHBoxLayout;
    pdfButtons->addWidget(Button2);
    pdfButtons->addWidget(Button4);
    auto* pdfLayout = new QFormLayout(pdf);
    pdfLayout->addRow("Папка для сохранения:", dirRow);
    pdfLayout->addRow("Имя файла:", Edit4);
    pdfLayout->addRow(pdfButtons);

    ButtonOptions = new QPushButton("Показать настройки", page);
    ButtonOptions->setObjectName("ButtonOptions");
    connect(ButtonOptions, &QPushButton::clicked, this, [this] { ButtonOptionsClick(); });

    OptionsPanel = new QWidget(page);
    OptionsPanel->setObjectName("OptionsPanel");
    rbGeneralOpt = new QRadioButton("Общие", OptionsPanel);
    rbTableOpt = new QRadioButton("Таблица", OptionsPanel);
    rbGeneralOpt->setChecked(true);
    OptionPages = new QStackedWidget(OptionsPanel);
    OptionPages->addWidget(BuildGeneralOptions());
    OptionPages->addWidget(BuildTableOptions());
    connect(rbTableOpt, &QRadioButton::toggled, this,
            [this](bool table) { OptionPages->setCurrentIndex(table ? 1 : 0); });
    auto* switches = new QHBoxLayout;
    switches->addWidget(rbGeneralOpt);
    switches->addWidget(rbTableOpt);
    switches->addStretch();
    auto* panelLayout = new QVBoxLayout(OptionsPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addLayout(switches);
    panelLayout->addWidget(OptionPages);
    OptionsPanel->hide();

    // The panels are taller than a small screen; they scroll.
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* scrolled = new QWidget(scroll);
    auto* scrolledLayout = new QVBoxLayout(scrolled);
    scrolledLayout->setContentsMargins(0, 0, 0, 0);
    scrolledLayout->addWidget(ButtonOptions);
    scrolledLayout->addWidget(OptionsPanel);
    scrolledLayout->addStretch();
    scroll->setWidget(scrolled);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(ButtonPrepare);
    layout->addWidget(pdf);
    layout->addWidget(scroll, 1);
    return page;
}

QWidget* TAprosmOt::BuildGeneralOptions() {
    auto* page = new QWidget(this);
    auto* pageSetup = new QGroupBox("Параметры страницы", page);
    RadioPortrait = new QRadioButton("Вертикально", pageSetup);
    RadioLandscape = new QRadioButton("Горизонтально", pageSetup);
    connect(RadioPortrait, &QRadioButton::toggled, this,
            [](bool portrait) { CurrentReport().RepO.Portrait = portrait; });
    ComboFormat = new QComboBox(pageSetup);
    ComboFormat->addItem("A4");
    ComboBox1 = new QComboBox(pageSetup);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"Нет", "По центру", "Справа", "Слева"});
    connect(ComboBox1, &QComboBox::activated, this,
            [](int index) { CurrentReport().RepO.PageNumber = index; });
    ComboBox2 = new QComboBox(pageSetup);
    ComboBox2->setObjectName("ComboBox2");
    for (int size : kReportFontSizes)
        ComboBox2->addItem(QString::number(size));
    connect(ComboBox2, &QComboBox::activated, this,
            [](int index) { CurrentReport().RepO.FontSizeIndex = index; });
    ComboBox3 = new QComboBox(pageSetup);
    ComboBox3->setObjectName("ComboBox3");
    for (const char* name : kReportFontNames)
        ComboBox3->addItem(name);
    connect(ComboBox3, &QComboBox::activated, this,
            [](int index) { CurrentReport().RepO.FontNameIndex = index; });
    auto* orientation = new QVBoxLayout;
    orientation->addWidget(RadioPortrait);
    orientation->addWidget(RadioLandscape);
    auto* setupLayout = new QFormLayout(pageSetup);
    setupLayout->addRow("Расположение:", orientation);
    setupLayout->addRow("Формат страницы:", ComboFormat);
    setupLayout->addRow("Номер:", ComboBox1);
    setupLayout->addRow("Размер:", ComboBox2);
    setupLayout->addRow("Шрифт:", ComboBox3);

    GrTitle = MakeOptionButtons("Заголовок отчета", ogTitle, false);
    GrHeader = MakeOptionButtons("Шапка отчета", ogHeader, false);
    GrFooter = MakeOptionButtons("Поле подписи отчета", ogFooter, false);

    auto* extra = new QGroupBox("Дополнительно", page);
    CheckBoxZavN = CheckBox(extra, "Заводской номер", "CheckBoxZavN");
    CheckBoxTipM = CheckBox(extra, "Тип модуля", "CheckBoxTipM");
    connect(CheckBoxZavN, &QCheckBox::toggled, this,
            [](bool on) { CurrentReport().RepO.PrintSerialNumber = on; });
    connect(CheckBoxTipM, &QCheckBox::toggled, this,
            [](bool on) { CurrentReport().RepO.PrintModuleType = on; });
    auto* extraLayout = new QVBoxLayout(extra);
    extraLayout->addWidget(CheckBoxZavN);
    extraLayout->addWidget(CheckBoxTipM);

    CheckBox1 = CheckBox(page, "Сохранять изменения настроек", "CheckBox1");
    connect(CheckBox1, &QCheckBox::toggled, this,
            [](bool on) { CurrentReport().RepI.SaveOptions = on; });
    Button10 = new QPushButton("Применить ко всем модулям", page);
    Button10->setObjectName("Button10");
    connect(Button10, &QPushButton::clicked, this, [this] { Button10Click(); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(pageSetup), static_cast<QWidget*>(GrTitle.Group),
                       static_cast<QWidget*>(GrHeader.Group), static_cast<QWidget*>(GrFooter.Group),
                       static_cast<QWidget*>(extra), static_cast<QWidget*>(CheckBox1),
                       static_cast<QWidget*>(Button10)})
        layout->addWidget(w);
    layout->addStretch();
    return page;
}

QWidget* TAprosmOt::BuildTableOptions() {
    auto* page = new QWidget(this);
    GrTabHead = MakeOptionButtons("Шапка таблицы", ogTabHead, true);
    CheckBox3 = CheckBox(GrTabHead.Group, "Особая шапка", "CheckBox3");
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool on) { CheckBox3Click(on); });
    static_cast<QFormLayout*>(GrTabHead.Group->layout())->addRow(CheckBox3);

    GrSummary = MakeOptionButtons("Итоги таблицы", ogSummary, true);
    CheckBox4 = CheckBox(GrSummary.Group, "Только надпись", "CheckBox4");
    connect(CheckBox4, &QCheckBox::toggled, this,
            [](bool on) { CurrentReport().RepO.SummaryOnly = on; });
    static_cast<QFormLayout*>(GrSummary.Group->layout())->addRow(CheckBox4);

    GrColumn = MakeOptionButtons("Колонки таблицы", ogColumn, false);
    Edit3 = new QLineEdit(GrColumn.Group);
    Edit3->setObjectName("Edit3");
    Edit3->setReadOnly(true);
    Edit2 = new QLineEdit(GrColumn.Group);
    Edit2->setObjectName("Edit2");
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { SpeedButton19Click(); });
    SpeedButton19 = new QToolButton(GrColumn.Group);
    SpeedButton19->setObjectName("SpeedButton19");
    SpeedButton19->setText("Изменить");
    SpeedButton19->setToolTip("Изменить");
    connect(SpeedButton19, &QToolButton::clicked, this, [this] { SpeedButton19Click(); });
    auto* width = new QHBoxLayout;
    width->addWidget(Edit2);
    width->addWidget(SpeedButton19);
    auto* columnLayout = static_cast<QFormLayout*>(GrColumn.Group->layout());
    columnLayout->insertRow(0, "Номер колонки:", Edit3);
    columnLayout->insertRow(1, "Ширина:", width);

    CheckBox6 = CheckBox(page, "Добавить колонку с нумерацией", "CheckBox6");
    connect(CheckBox6, &QCheckBox::clicked, this, [this] { CheckBox6Click(); });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GrTabHead.Group);
    layout->addWidget(GrSummary.Group);
    layout->addWidget(GrColumn.Group);
    layout->addWidget(CheckBox6);
    layout->addStretch();
    return page;
}

OptionButtons& TAprosmOt::ButtonsOf(OptionGroup group) {
    switch (group) {
        case ogTitle:
            return GrTitle;
        case ogHeader:
            return GrHeader;
        case ogFooter:
            return GrFooter;
        case ogTabHead:
            return GrTabHead;
        case ogSummary:
            return GrSummary;
        default:
            return GrColumn;
    }
}

void TAprosmOt::ShowGroupOptions(OptionGroup group) {
    const OptionTriple& options = GroupTriple(CurrentReport(), group);
    OptionButtons& b = ButtonsOf(group);
    const QSignalBlocker bold(b.Bold), italic(b.Italic);
    for (int a = 0; a < 3; ++a)
        b.Align[a]->setChecked(options.Align == a);
    b.Bold->setChecked(options.Style & kStyleBold);
    b.Italic->setChecked(options.Style & kStyleItalic);
    if (b.Frame)
        b.Frame->setCurrentIndex(options.Frame == flBold ? 1 : 0);
}

// Changes one part of a group's triple; a column's change is stored at once.
void TAprosmOt::ChangeGroupOptions(OptionGroup group,
                                   const std::function<void(OptionTriple&)>& change) {
    ReportRecords& records = CurrentReport();
    if (group == ogColumn) {
        const auto column = ParseWholeNumber(Edit3->text().toStdString());
        if (!column || !SelectTableColumn(records, table_, *column))
            return;
        OptionTriple options = records.ColO.Options;
        change(options);
        if (!SetTableColumnOptions(records, table_, *column, options))
            TellWriteFailure();
    } else {
        change(GroupTriple(records, group));
    }
    ApplyGroupToPreview(group);
}

void TAprosmOt::AlignButClick(OptionGroup group, int align) {
    ChangeGroupOptions(group, [align](OptionTriple& t) { t.Align = align; });
}

void TAprosmOt::StyleButClick(OptionGroup group, int bit, bool on) {
    ChangeGroupOptions(
        group, [bit, on](OptionTriple& t) { t.Style = on ? t.Style | bit : t.Style & ~bit; });
}

void TAprosmOt::LineButClick(OptionGroup group, int frame) {
    ChangeGroupOptions(group, [frame](OptionTriple& t) { t.Frame = frame; });
}

void TAprosmOt::CheckBox6Click() {
    ReportRecords& records = CurrentReport();
    records.RepI.NumberingColumn = CheckBox6->isChecked();
    if (table_.Periods == 0)
        return;
    if (records.RepI.NumberingColumn) {
        AddNumberingColumn(table_, records);
        ShowNumberingColumn(header_, table_, records);
    } else {
        HideNumberingColumn(header_, records);
        RemoveNumberingColumn(table_);
    }
    ShowTable();
    ShowHeaderGrid();
}

void TAprosmOt::ButtonOptionsClick() {
    const bool show = !OptionsPanel->isVisible();
    OptionsPanel->setVisible(show);
    ButtonOptions->setText(show ? "Скрыть настройки" : "Показать настройки");
}

void TAprosmOt::Button10Click() {
    if (!CurrentPrompts().Confirm(
            kMessageCaption,
            "Применить настройки оформления ко всем модулям использующим такой же бланк отчета?"))
        return;
    ApplyOptionsToAllModules(CurrentReport(), table_.Ids, Shell().ModulesDir);
}

void TAprosmOt::ApplyOptionsToControls() {
    const ReportRecords& records = CurrentReport();
    const S_repI& r = records.RepI;
    const S_repO& o = records.RepO;
    {
        const QSignalBlocker b1(CheckBox1), b3(CheckBox3), b4(CheckBox4), b6(CheckBox6),
            bz(CheckBoxZavN), bt(CheckBoxTipM), bd(DirectoryEdit1), be(Edit4), bp(RadioPortrait);
        CheckBox1->setChecked(r.SaveOptions);
        CheckBox3->setChecked(r.SpecialHeader);
        ShowHeaderPage(r.SpecialHeader);
        CheckBox4->setChecked(o.SummaryOnly);
        CheckBox6->setChecked(r.NumberingColumn);
        CheckBoxZavN->setChecked(o.PrintSerialNumber);
        CheckBoxTipM->setChecked(o.PrintModuleType);
        DirectoryEdit1->setText(QString::fromStdString(o.PdfDir));
        Edit4->setText(QString::fromStdString(o.PdfFileName));
        ShowTexts();
        // A stored index out of the lists prints with the default font; the boxes show it so.
        const auto shown = [](int index, int count, int fallback) {
            return index >= 0 && index < count ? index : fallback;
        };
        ComboBox3->setCurrentIndex(shown(o.FontNameIndex, ComboBox3->count(), 0));
        ComboBox2->setCurrentIndex(
            shown(o.FontSizeIndex, ComboBox2->count(), kDefaultFontSizeIndex));
        (o.Portrait ? RadioPortrait : RadioLandscape)->setChecked(true);
        ComboBox1->setCurrentIndex(o.PageNumber);
    }
    for (OptionGroup g : {ogTabHead, ogSummary, ogTitle, ogHeader, ogFooter}) {
        ShowGroupOptions(g);
        ApplyGroupToPreview(g);
    }
}
