// The dialog in which the user sets the configuration database and the report-forms and
// modules directories.
#include "shell/ui/path_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/configdb/config_db.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/profile_paths.h"
#include "platform/prompts.h"
#include "reports/report_search.h"
#include "shell/directory_copy.h"
#include "shell/path_settings.h"
#include "shell/program_state.h"

namespace {

constexpr const char* kCaption = "Velorm - Путь к БД-Zemra";
constexpr const char* kCopyHint = "Скопировать все содержимое в другой каталог";

QToolButton* SearchButton(const char* name, const char* hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setText("Найти");
    button->setCheckable(true);
    return button;
}

QPushButton* CopyButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton("Копировать", parent);
    button->setObjectName(name);
    button->setToolTip(kCopyHint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TAwayBd::TAwayBd(QWidget* parent) : QDialog(parent) {
    Shell().DbReloadPending = true;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    panelBDZemra = new tKesh_BDZemra_optPanel(this);
    panelBDZemra->OnChange = [this] { MarkEdited(); };

    DirectoryEdit3 = new PathEdit(PathEdit::Directory, "", this);
    DirectoryEdit3->setObjectName("DirectoryEdit3");
    SpeedButton1 = SearchButton("SpeedButton1", "Найти папку с отчетами", this);
    BitBtn1 = CopyButton("BitBtn1", this);
    DirectoryEdit4 = new PathEdit(PathEdit::Directory, "", this);
    DirectoryEdit4->setObjectName("DirectoryEdit4");
    SpeedButton2 = SearchButton("SpeedButton2", "Найти папку с модулями", this);
    BitBtn2 = CopyButton("BitBtn2", this);
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setMinimumHeight(2 * Label3->fontMetrics().lineSpacing());
    Button1 = new QPushButton("Сохранить", this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton("Отменить", this);
    Button2->setObjectName("Button2");
    Button2->setAutoDefault(false);

    auto* dirs = new QGridLayout;
    dirs->addWidget(new QLabel("Путь к описателям отчетных форм:", this), 0, 0, 1, 3);
    dirs->addWidget(DirectoryEdit3, 1, 0);
    dirs->addWidget(SpeedButton1, 1, 1);
    dirs->addWidget(BitBtn1, 1, 2);
    dirs->addWidget(new QLabel("Путь к описателям модулей:", this), 2, 0, 1, 3);
    dirs->addWidget(DirectoryEdit4, 3, 0);
    dirs->addWidget(SpeedButton2, 3, 1);
    dirs->addWidget(BitBtn2, 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panelBDZemra);
    layout->addLayout(dirs);
    layout->addWidget(Label3);
    layout->addLayout(buttons);
    DirectoryEdit3->setMinimumWidth(380);
    DirectoryEdit4->setMinimumWidth(380);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    reportsRow_ = {DirectoryEdit3,
                   SpeedButton1,
                   SpeedButton2,
                   FindReportsDirectory,
                   "Выполняется поиск отчетов...",
                   "Найдены отчеты",
                   "Отчеты не найдены",
                   true,
                   "Сменить путь к отчетам на новый каталог"};
    modulesRow_ = {DirectoryEdit4,
                   SpeedButton2,
                   SpeedButton1,
                   FindModulesDirectory,
                   "Выполняется поиск модулей...",
                   "Найдены модули",
                   "Модули не найдены",
                   false,
                   "Сменить путь к модулям на новый каталог"};

    for (const DirectoryRow* row : {&reportsRow_, &modulesRow_}) {
        connect(row->edit, &PathEdit::textChanged, this, [this] { MarkEdited(); });
        connect(row->search, &QToolButton::toggled, this,
                [this, row](bool pressed) { SearchToggled(*row, pressed); });
    }
    connect(BitBtn1, &QPushButton::clicked, this, [this] { CopyDirectory(reportsRow_); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { CopyDirectory(modulesRow_); });
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (SaveSettings(false))
            accept();
    });
    connect(Button2, &QPushButton::clicked, this, &TAwayBd::RestoreSettings);

    Label3->clear();
    setWindowTitle(kCaption);
}

void TAwayBd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
    FormActivate();
}

void TAwayBd::FormShow() {
    panelBDZemra->EnableChoice();
    panelBDZemra->ShowCurrent();
    savedKind_ = ConfigDb().DbKind();
    savedPath_ = ConfigDb().DbPath();
}

void TAwayBd::FormActivate() {
    RestoreSettings();
    panelBDZemra->ShowCurrent();
    Label3->clear();
    if (Shell().ReportsDir.empty()) {
        Label3->setText("Каталог для хранения отчетных форм");
        DirectoryEdit3->setFocus();
    }
    if (Shell().ModulesDir.empty()) {
        const QString line = "Каталог для хранения информации по модулям";
        if (Label3->text().isEmpty()) {
            Label3->setText(line);
            DirectoryEdit4->setFocus();
        } else {
            Label3->setText(Label3->text() + "\n" + line);
        }
    }
    Button2->setEnabled(false);
    emit activatedForEditing();
}

void TAwayBd::RestoreSettings() {
    Label3->clear();
    ConfigDb().Open(savedKind_, savedPath_);
    panelBDZemra->ShowCurrent();
    DirectoryEdit3->SetPath(Shell().ReportsDir);
    DirectoryEdit4->SetPath(Shell().ModulesDir);
    Button2->setEnabled(false);
}

bool TAwayBd::SaveSettings(bool ask) {
    const PathSaveState state =
        SavePathSettings(DirectoryEdit3->Path(), DirectoryEdit4->Path(), savedPath_);
    Label3->clear();
    const bool ok = state == pssSaved;
    Button2->setEnabled(!ok);
    if (ok)
        return true;
    if (state == pssSettingsNotWritten)
        Label3->setText("Не удалось записать файл настроек " +
                        QString::fromStdString(Shell().SettingsFileName));
    if (ask) {
        const bool leave =
            CurrentPrompts().Ask(kCaption,
                                 "При проверке настроечных данных обнаружены ошибки\n"
                                 "Остаться в режиме редактирования (Да/Yes) или отменить "
                                 "изменения и выйти (Нет/No) ?",
                                 PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::No;
        // Leaving discards the edits, the database chosen in the panel included.
        if (leave)
            RestoreSettings();
        return leave;
    }
    if (state == pssReportsDirFailed)
        DirectoryEdit3->setFocus();
    else if (state == pssModulesDirFailed)
        DirectoryEdit4->setFocus();
    return false;
}

void TAwayBd::reject() {
    if (!Button2->isEnabled() || SaveSettings(true))
        QDialog::reject();
}

void TAwayBd::SearchToggled(const DirectoryRow& row, bool pressed) {
    if (!pressed) {
        if (searching_)
            SearchAborted = true;
        return;
    }
    searching_ = true;
    SearchAborted = false;
    Label3->setText(row.searching);
    row.otherSearch->setEnabled(false);
    const std::string found = row.find(row.edit->Path());
    if (found.empty()) {
        Label3->setText(row.notFound);
    } else {
        Label3->setText(row.found);
        row.edit->SetPath(found);
    }
    {
        const QSignalBlocker quiet(row.search);
        row.search->setChecked(false);
    }
    row.otherSearch->setEnabled(true);
    searching_ = false;
}

void TAwayBd::CopyDirectory(const DirectoryRow& row) {
    const std::string from = row.edit->Path();
    if (!DirectoryExists(from))
        return;
    const std::vector<std::string> files = ListFilesToCopy(from);
    if (files.empty()) {
        Label3->setText("Нет файлов для копирования");
        return;
    }
    const auto target = CurrentPrompts().ChooseDirectory(kCopyHint, DesktopDir());
    if (!target || !DirectoryExists(*target))
        return;
    if (!CopyFilesTo(files, from, *target, row.flattenCopy)) {
        Label3->setText("Произошла ошибка копирования");
        return;
    }
    if (CurrentPrompts().Confirm(kCaption, row.changeQuestion))
        row.edit->SetPath(*target);
}
