// The report view window's page "Подключение": the selected report, archive kind and period,
// the exchange settings, and reading the report.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "comm/device/device_link.h"
#include "output/header/header_session.h"
#include "output/reading/read_from_controller.h"
#include "output/reading/read_from_flash.h"
#include "output/reading/reading_result.h"
#include "output/ui/report_view_window.h"
#include "output/view/read_source.h"
#include "output/view/report_context.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "reports/report_records.h"
#include "reports/report_settings.h"
#include "shell/exchange_log.h"
#include "shell/program_state.h"

namespace {

constexpr const char* kMessageCaption = "Velorm: Сообщение";

QDateTime ToQDateTime(TDateTime t) {
    const DateParts d = DecodeDate(t);
    const TimeParts tm = DecodeTime(t);
    return QDateTime(QDate(d.year, d.month, d.day), QTime(tm.hour, tm.minute, tm.second));
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

}  // namespace

QWidget* TAprosmOt::BuildConnectionPage() {
    auto* page = new QWidget(this);
    page->setObjectName("TabConnection");

    LabelName = ValueLabel(page, "LabelName");
    QFont bold = LabelName->font();
    bold.setBold(true);
    LabelName->setFont(bold);
    LabelSerial = ValueLabel(page, "LabelSerial");
    LabelType = ValueLabel(page, "LabelType");
    LabelId = ValueLabel(page, "LabelId");
    LabelReport = ValueLabel(page, "LabelReport");
    auto* identity = new QFormLayout;
    identity->addRow("Название контроллера:", LabelName);
    identity->addRow("Заводской номер:", LabelSerial);
    identity->addRow("Тип модуля:", LabelType);
    identity->addRow("ID очереди задач:", LabelId);
    identity->addRow("Название отчета:", LabelReport);

    LabelError = new QLabel(page);
    LabelError->setObjectName("LabelError");
    LabelError->setWordWrap(true);
    LabelError->setStyleSheet("color: #800000;");

    Button8 = new QPushButton("Прервать", page);
    Button8->setObjectName("Button8");
    Button8->setEnabled(false);
    Button1 = new QPushButton("Считать", page);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });

    GroupKind = new QGroupBox("Тип отчета", page);
    GroupKind->setObjectName("GroupKind");
    RadioHour = new QRadioButton("Часовой", GroupKind);
    RadioDay = new QRadioButton("Суточный", GroupKind);
    RadioMonth = new QRadioButton("Месячный", GroupKind);
    auto* kinds = new QVBoxLayout(GroupKind);
    const QRadioButton* radios[] = {RadioHour, RadioDay, RadioMonth};
    for (int k = 0; k < 3; ++k) {
        kinds->addWidget(const_cast<QRadioButton*>(radios[k]));
        connect(radios[k], &QRadioButton::clicked, this, [this, k] { RadioButtClick(k); });
    }

    auto* period = new QGroupBox("Период времени", page);
    LabelPeriod = new QLabel(period);
    LabelPeriod->setObjectName("LabelPeriod");
    DateStart = new QDateTimeEdit(period);
    DateStart->setObjectName("DateStart");
    DateEnd = new QDateTimeEdit(period);
    DateEnd->setObjectName("DateEnd");
    for (QDateTimeEdit* e : {DateStart, DateEnd})
        e->setCalendarPopup(true);
    SpeedButton18 = new QToolButton(period);
    SpeedButton18->setObjectName("SpeedButton18");
    SpeedButton18->setText("↑");
    SpeedButton18->setToolTip("Начало := Окончание");
    connect(SpeedButton18, &QToolButton::clicked, this, [this] { SpeedButton18Click(); });
    auto* periodLayout = new QGridLayout(period);
    periodLayout->addWidget(LabelPeriod, 0, 0, 1, 3);
    periodLayout->addWidget(new QLabel("Начало:", period), 1, 0);
    periodLayout->addWidget(DateStart, 1, 1);
    periodLayout->addWidget(SpeedButton18, 1, 2, 2, 1);
    periodLayout->addWidget(new QLabel("Окончание:", period), 2, 0);
    periodLayout->addWidget(DateEnd, 2, 1);

    EditTimeout = new QLineEdit(page);
    EditTimeout->setObjectName("EditTimeout");
    EditRepeats = new QLineEdit(page);
    EditRepeats->setObjectName("EditRepeats");
    CheckBoxLog = new QCheckBox("Сохранить лог", page);
    CheckBoxLog->setObjectName("CheckBoxLog");
    connect(CheckBoxLog, &QCheckBox::toggled, this, [this](bool on) { Memo1->setVisible(on); });
    auto* exchange = new QFormLayout;
    exchange->addRow("Время ожидания (сек)", EditTimeout);
    exchange->addRow("Количество повторов", EditRepeats);
    exchange->addRow(CheckBoxLog);

    Panel3 = new QFrame(page);
    Panel3->setObjectName("Panel3");
    static_cast<QFrame*>(Panel3)->setFrameShape(QFrame::StyledPanel);
    auto* mismatch = new QLabel(kQueueIdMismatchText, Panel3);
    mismatch->setWordWrap(true);
    LabelDeviceId = ValueLabel(Panel3, "LabelDeviceId");
    LabelStoredId = ValueLabel(Panel3, "LabelStoredId");
    Button5 = new QPushButton("Продолжить", Panel3);
    Button5->setObjectName("Button5");
    Button6 = new QPushButton("Перечитать очередь задач ", Panel3);
    Button6->setObjectName("Button6");
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    auto* panelLayout = new QGridLayout(Panel3);
    panelLayout->addWidget(mismatch, 0, 0, 1, 2);
    panelLayout->addWidget(new QLabel("ID (из прибора):", Panel3), 1, 0);
    panelLayout->addWidget(LabelDeviceId, 1, 1);
    panelLayout->addWidget(new QLabel("ID (сохраненный):", Panel3), 2, 0);
    panelLayout->addWidget(LabelStoredId, 2, 1);
    panelLayout->addWidget(Button5, 3, 0);
    panelLayout->addWidget(Button6, 3, 1);
    Panel3->hide();

    LabelStatus = new QLabel(page);
    LabelStatus->setObjectName("LabelStatus");
    LabelStatus->hide();
    ProgressBar1 = new QProgressBar(page);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button8);
    buttons->addWidget(Button1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(GroupKind);
    middle->addWidget(period, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(identity);
    layout->addWidget(LabelError);
    layout->addLayout(buttons);
    layout->addLayout(middle);
    layout->addLayout(exchange);
    layout->addWidget(Panel3);
    layout->addStretch();
    layout->addWidget(LabelStatus);
    layout->addWidget(ProgressBar1);
    return page;
}

void TAprosmOt::ShowReportContext(int previousKind) {
    const ReportContext c = LoadReportContext(CurrentReport(), previousKind);
    controllerName_ = c.ControllerName;
    LabelName->setText(QString::fromStdString(c.ControllerName));
    LabelSerial->setText(QString::fromStdString(c.SerialText));
    LabelType->setText(QString::fromStdString(c.ModuleType));
    LabelId->setText(QString::fromStdString(c.QueueIdText));
    LabelReport->setText(QString::fromStdString(c.ReportName));
    LabelError->setText(QString::fromStdString(c.Error));
    QRadioButton* radios[] = {RadioHour, RadioDay, RadioMonth};
    for (int k = 0; k < 3; ++k)
        radios[k]->setEnabled(c.KindEnabled[k]);
    GroupKind->setEnabled(c.CanRead);
    Button1->setEnabled(c.CanRead);
    if (c.Kind >= 0) {
        radios[c.Kind]->setChecked(true);
        RadioButtClick(c.Kind);
    }
    EditRepeats->setText(QString::fromStdString(c.Repeats));
    EditTimeout->setText(QString::fromStdString(c.Timeout));
}

void TAprosmOt::RadioButtClick(int kind) {
    static const char* const kFormats[] = {"dd.MM.yyyy HH:00", "dd.MM.yyyy", "MM.yyyy"};
    LabelPeriod->setText(QString::fromStdString(PeriodPrompt(kind)));
    for (QDateTimeEdit* e : {DateStart, DateEnd}) {
        e->setDisplayFormat(kFormats[kind]);
        if (kind == kReportHourly) {
            const QDateTime t = e->dateTime();
            e->setDateTime(QDateTime(t.date(), QTime(t.time().hour(), 0)));
        }
    }
    CurrentReport().RepI.ArchiveKind = kind;
}

void TAprosmOt::SpeedButton18Click() {
    DateStart->setDateTime(DateEnd->dateTime());
}

void TAprosmOt::SetPickerTimes(TDateTime start, TDateTime end) {
    DateStart->setDateTime(ToQDateTime(start));
    DateEnd->setDateTime(ToQDateTime(end));
}

TDateTime TAprosmOt::PickerTime(const QDateTimeEdit* picker) const {
    const QDateTime t = picker->dateTime();
    return EncodeDateTime(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                          t.time().minute(), t.time().second(), 0);
}

void TAprosmOt::Button1Click() {
    RequestStop(false);
    reading_ = true;
    Button1->setEnabled(false);
    Button8->setEnabled(true);
    // Events are handled while the reading waits: nothing that changes the records may run.
    GrTreeRep->setEnabled(false);
    GrOptRep->setEnabled(false);
    Panel3->hide();
    ReportRecords& records = CurrentReport();
    SaveReportSettings(records);

    const ReadSource source = ReadSourceOf(records.RepI.ModuleDir);
    if (source == rsFlash || source == rsController) {
        ProgressBar1->setValue(0);
        ProgressBar1->show();
        const TableProgress progress = [this](int percent) { ProgressBar1->setValue(percent); };
        const TDateTime start = PickerTime(DateStart), end = PickerTime(DateEnd);
        const ReadingResult result = source == rsFlash
                                         ? ReadFromFlash(table_, records, start, end, progress)
                                         : ReadController(start, end, progress);
        ProgressBar1->hide();
        ShowReadingResult(result);
    } else {
        LabelError->setText(QString::fromStdString(ReadSourceError(source)));
    }

    GrTreeRep->setEnabled(true);
    GrOptRep->setEnabled(records.Loaded);
    Button1->setEnabled(true);
    Button8->setEnabled(false);
    reading_ = false;
}

ReadingResult TAprosmOt::ReadController(TDateTime start, TDateTime end,
                                        const TableProgress& progress) {
    ControllerReading reading;
    reading.TimeoutText = EditTimeout->text().toStdString();
    reading.RepeatsText = EditRepeats->text().toStdString();
    reading.SaveLog = CheckBoxLog->isChecked();
    reading.Status = [this](const std::string& status) {
        LabelStatus->setText(QString::fromStdString(status));
        LabelStatus->setVisible(!status.empty());
    };
    if (reading.SaveLog)
        SetLogWindow([this](const std::string& text, bool newFile) {
            if (newFile)
                Memo1->clear();
            Memo1->appendPlainText(QString::fromStdString(text));
        });
    const ControllerOutcome outcome =
        ReadFromController(table_, CurrentReport(), reading, start, end, progress);
    SetLogWindow(nullptr);
    deviceId_ = outcome.DeviceId;
    LabelDeviceId->setText(QString::fromStdString(outcome.DeviceId));
    LabelStoredId->setText(QString::fromStdString(outcome.StoredId));
    Panel3->setVisible(outcome.Mismatch);
    const std::string exchangeError = Trim(outcome.ExchangeError);
    if (outcome.Result.Code != 0 && !exchangeError.empty() && exchangeError != "OK")
        CurrentPrompts().Message(kMessageCaption, outcome.ExchangeError, PromptIcon::Error);
    LabelStatus->clear();
    LabelStatus->hide();
    return outcome.Result;
}

void TAprosmOt::Button5Click() {
    if (!AcceptDeviceId(CurrentReport().RepI.ModuleDir, deviceId_)) {
        LabelError->setText("Не удалось записать ID из прибора в файл настроек модуля");
        return;
    }
    Panel3->hide();
    Button1Click();
}

void TAprosmOt::Button8Click() {
    RequestStop(true);
}

void TAprosmOt::Button6Click() {
    Shell().ReopenModulePath = IncludeTrailingPathDelimiter(CurrentReport().RepI.ModuleDir);
    close();
}

void TAprosmOt::ShowReadingResult(const ReadingResult& result) {
    LabelError->setText(QString::fromStdString(result.Message));
    ShowTable();
    if (result.Code != 0 || !CurrentReport().Loaded)
        return;
    SetUpHeader(header_, table_, CurrentReport());
    ShowHeaderGrid();
    ApplyOptionsToControls();
    GrOptRep->setEnabled(true);
    PageControl1->setCurrentWidget(TabData);
}
