// The main window: the menu that opens every other window, and the status bar.
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <utility>

#include "batch/ui/import_window.h"
#include "batch/ui/quick_save_window.h"
#include "model/configdb/config_db.h"
#include "output/engine/frp_file.h"
#include "output/ui/preview_window.h"
#include "output/ui/report_view_window.h"
#include "platform/files.h"
#include "platform/profile_paths.h"
#include "platform/prompts.h"
#include "screens/link_window.h"
#include "screens/report_editor_window.h"
#include "shell/menu_state.h"
#include "shell/program_state.h"
#include "shell/settings_keys.h"
#include "shell/shell_session.h"
#include "shell/ui/about_box.h"
#include "shell/ui/logo.h"
#include "shell/ui/path_dialog.h"
#include "shell/ui/program_windows.h"
#include "shell/ui/window_fit.h"

namespace {
constexpr const char* kCaption = "Velorm - Программа для формирования отчетов";
constexpr const char* kLoadingMessage = "Загружается библиотека BD-Zemra. Пожалуйста подождите.";
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Программа для формирования отчетов");
    BuildMenu();

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusBar1");
    statusBar()->addWidget(StatusLabel, 1);

    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    Image1 = new QLabel(central);
    Image1->setObjectName("Image1");
    Image1->setPixmap(VelormLogo(200, 72));
    layout->addWidget(Image1, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    setCentralWidget(central);
    Preview = new TfrPreview(this);
    Preview->setObjectName("frPreview");

    resize(648, 362);
    FitWindowToWorkArea(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Shell().SettingsFileName = VendorConfigFile(kVendorName, true, true);
}

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    MenuItem1 = bar->addMenu("Настройки программы");
    MenuItem1->setObjectName("MenuItem1");
    MenuItem2 = MenuItem1->addAction("Путь к БД-Zemra", this, &TForm1::MenuItem2Click);
    MenuItem3 = MenuItem1->addMenu("Отчетные формы");
    MenuItem3->setObjectName("MenuItem3");
    MenuItem5 = MenuItem3->addAction("Редактор отчетных форм", this, &TForm1::MenuItem5Click);
    MenuItem6 = MenuItem3->addAction("Связь отчета с модулем", this, &TForm1::MenuItem6Click);
    MenuItem7 = MenuItem3->addAction("Импорт старых отчетов", this, &TForm1::MenuItem7Click);
    MenuItem8 = bar->addMenu("Отчеты");
    MenuItem8->setObjectName("MenuItem8");
    MenuItem4 = MenuItem8->addAction("Просмотр отчетных бланков", this, &TForm1::MenuItem4Click);
    MenuItem9 = MenuItem8->addAction("Быстрое сохранение отчетов", this, &TForm1::MenuItem9Click);
    MenuItem11 = MenuItem8->addAction("Открыть файл отчета (.frp)", this, &TForm1::MenuItem11Click);
    MenuItem10 = bar->addAction("О программе", this, &TForm1::MenuItem10Click);

    const std::pair<QAction*, const char*> names[] = {
        {MenuItem2, "MenuItem2"},   {MenuItem5, "MenuItem5"},  {MenuItem6, "MenuItem6"},
        {MenuItem7, "MenuItem7"},   {MenuItem4, "MenuItem4"},  {MenuItem9, "MenuItem9"},
        {MenuItem10, "MenuItem10"}, {MenuItem11, "MenuItem11"}};
    for (const auto& [action, name] : names)
        action->setObjectName(name);
}

void TForm1::SetStatus(const QString& text) {
    StatusLabel->setText(text);
    StatusLabel->repaint();
}

void TForm1::FormActivate() {
    setWindowTitle(kCaption);
    const bool afterPathDialog = std::exchange(pathDialogClosed_, false);
    if (RefreshSettings() || afterPathDialog)
        ApplyConfiguration();
    else
        MenuItem2Click();
    emit activationFinished();
}

void TForm1::ApplyConfiguration() {
    const bool dbOpen = ConfigDb().DbOpened();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SetStatus(kLoadingMessage);
    LoadPendingDatabase(dbOpen);
    SetStatus("");
    QApplication::restoreOverrideCursor();

    const MenuState state = DecideMenuState(Shell().ReportsDir, Shell().ModulesDir, dbOpen);
    MenuItem3->setEnabled(state.reportForms);
    MenuItem4->setEnabled(state.reportCommands);
    MenuItem9->setEnabled(state.reportCommands);
    SetStatus(QString::fromStdString(state.statusMessage));
}

void TForm1::ShowChild(QDialog* child, bool applyBeforeShowing) {
    hide();
    child->exec();
    if (applyBeforeShowing)
        ApplyConfiguration();
    show();
    if (!applyBeforeShowing)
        ApplyConfiguration();
    QueueActivation();
}

void TForm1::MenuItem2Click() {
    hide();
    AppWindows().AwayBd->exec();
    pathDialogClosed_ = true;
    ApplyConfiguration();
    show();
    QueueActivation();
}

void TForm1::MenuItem5Click() {
    ShowChild(AppWindows().AredaktorOt, false);
}
void TForm1::MenuItem6Click() {
    ShowChild(AppWindows().AnastOtch, false);
}
void TForm1::MenuItem7Click() {
    ShowChild(AppWindows().AimportOt, false);
}
void TForm1::MenuItem4Click() {
    ShowChild(AppWindows().AprosmOt, false);
}
void TForm1::MenuItem9Click() {
    ShowChild(AppWindows().AfastOt, false);
}

void TForm1::MenuItem10Click() {
    AppWindows().Aoprog->exec();
    QueueActivation();
}

void TForm1::MenuItem11Click() {
    const auto path = CurrentPrompts().ChooseOpenFile("Открыть", "Файл отчета|*.frp", "");
    if (!path || !FileExists(*path) || ExtractFileExt(*path) != ".frp")
        return;
    std::string error;
    auto report = LoadPreparedReport(*path, error);
    if (!report) {
        CurrentPrompts().Message("Открыть файл отчета", error, PromptIcon::Error);
        return;
    }
    Preview->SetReport(std::move(*report));
    Preview->exec();
}

void TForm1::QueueActivation() {
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        activationQueued_ = false;
        if (isVisible())
            FormActivate();
    });
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!Shell().ReopenModulePath.empty())
        QTimer::singleShot(0, this, &TForm1::MenuItem6Click);
    QueueActivation();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!CurrentPrompts().Confirm("Подтверждение", "Завершить работу программы?")) {
        event->ignore();
        return;
    }
    ReleaseProgramObjects();
    event->accept();
    QCoreApplication::quit();
}
