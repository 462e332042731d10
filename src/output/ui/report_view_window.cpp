// The report view window: its frame, creation, showing, closing and the reset between reports.
#include "output/ui/report_view_window.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "output/header/header_session.h"
#include "platform/prompts.h"
#include "reports/report_records.h"
#include "reports/report_settings.h"
#include "shell/program_state.h"
#include "shell/ui/window_fit.h"

TAprosmOt::TAprosmOt(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Просмотр отчетных бланков");
    resize(1100, 720);

    LeftPages = new QTabWidget(this);
    LeftPages->setUsesScrollButtons(false);
    GrTreeRep = BuildTreePage();
    GrOptRep = BuildOptionsPage();

    PageControl1 = new QTabWidget(this);
    PageControl1->setUsesScrollButtons(false);
    TabConnection = BuildConnectionPage();
    TabData = BuildDataPage();
    PageControl1->addTab(TabConnection, "Подключение");
    PageControl1->addTab(TabData, "Данные");
    TabHeader = BuildHeaderPage();
    PageControl1->addTab(TabHeader, "Особая шапка");
    ShowHeaderPage(false);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(LeftPages);
    splitter->addWidget(PageControl1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({390, 710});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    LabelError->clear();
    FitWindowToWorkArea(this);
    CurrentReport() = ReportRecords{};  // the window starts with empty records
    GrOptRep->setEnabled(false);
    RadioHour->setChecked(true);
    SetPickerTimes(Now(), Now());
    SpeedButton1Click(ReadTreeViewType(Shell().SettingsFileName));
    PageControl1Change();
}

TAprosmOt::~TAprosmOt() {
    if (!Shell().SettingsFileName.empty())
        WriteTreeViewType(Shell().SettingsFileName, treeMode_);
    SaveReportSettings(CurrentReport());
}

void TAprosmOt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Memo1->setVisible(CheckBoxLog->isChecked());
    Shell().ReopenModulePath.clear();
    FillTree();
    PageControl1->setCurrentWidget(TabConnection);
    PageControl1Change();
}

void TAprosmOt::closeEvent(QCloseEvent* event) {
    if (reading_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TAprosmOt::done(int result) {
    // A reading pumps events; the window stays open until it has ended.
    if (reading_)
        return;
    LeaveReport();
    QDialog::done(result);
}

void TAprosmOt::PageControl1Change() {
    // The left side holds one page at a time; the other is taken out of the tab bar.
    const bool connection = PageControl1->currentWidget() == TabConnection;
    QWidget* shown = connection ? GrTreeRep : GrOptRep;
    if (LeftPages->currentWidget() == shown)
        return;
    LeftPages->clear();
    LeftPages->addTab(shown, connection ? "Выбор отчета" : "Параметры отчета");
    (connection ? GrOptRep : GrTreeRep)->hide();
}

void TAprosmOt::LeaveReport() {
    const ReportRecords& records = CurrentReport();
    const bool saved = SaveReportSettings(records);
    if (!SaveHeaderOnLeaving(header_, records) || !saved)
        TellWriteFailure();
    header_ = SpecialHeader{};
    ShowHeaderGrid();
}

void TAprosmOt::TellWriteFailure() {
    CurrentPrompts().Message(
        "Velorm: Сообщение",
        "Не удалось сохранить настройки отчета в файл " + CurrentReport().RepI.ModuleReportPath,
        PromptIcon::Error);
}

void TAprosmOt::ResetView(bool datesToNow) {
    ReportRecords& records = CurrentReport();
    LeaveReport();
    if (datesToNow)
        SetPickerTimes(Now(), Now());
    ClearTable(table_);
    ShowTable();
    LabelrTitle->clear();
    MemorHeader->clear();
    MemorFooter->clear();
    records.Loaded = false;
    GrOptRep->setEnabled(false);
    {
        const QSignalBlocker b1(DirectoryEdit1), b2(Edit4), b3(CheckBox6), b4(CheckBox3);
        DirectoryEdit1->clear();
        Edit4->clear();
        CheckBox6->setChecked(false);
        CheckBox3->setChecked(false);
    }
    ShowHeaderPage(false);
    Edit3->clear();
    Edit2->clear();
    Panel3->hide();
}
