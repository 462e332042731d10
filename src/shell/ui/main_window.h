// The main window: the menu that opens every other window, and the status bar.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

class QDialog;
class TfrPreview;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // Creation: fits the window to the work area and sets the settings file name.
    explicit TForm1(QWidget* parent = nullptr);

    // The activation sequence: re-reads the settings, opens the database, checks the
    // directories, then either decides the menu or opens the path dialog.
    void FormActivate();
    // Loads the database contents when due and enables the commands the configuration allows.
    void ApplyConfiguration();
    QString StatusText() const { return StatusLabel->text(); }

    // Menu commands.
    void MenuItem2Click();   // "Путь к БД-Zemra"
    void MenuItem5Click();   // "Редактор отчетных форм"
    void MenuItem6Click();   // "Связь отчета с модулем"
    void MenuItem7Click();   // "Импорт старых отчетов"
    void MenuItem4Click();   // "Просмотр отчетных бланков"
    void MenuItem9Click();   // "Быстрое сохранение отчетов"
    void MenuItem10Click();  // "О программе"
    void MenuItem11Click();  // "Открыть файл отчета (.frp)"

    QMenu* MenuItem1;  // "Настройки программы"
    QAction* MenuItem2;
    QMenu* MenuItem3;  // "Отчетные формы"
    QAction* MenuItem5;
    QAction* MenuItem6;
    QAction* MenuItem7;
    QMenu* MenuItem8;  // "Отчеты"
    QAction* MenuItem4;
    QAction* MenuItem9;
    QAction* MenuItem11;
    QAction* MenuItem10;
    QLabel* StatusLabel;
    QLabel* Image1;
    // The report engine's preview, which shows the prepared-report files opened here.
    TfrPreview* Preview;

  signals:
    // The activation sequence has run to its end.
    void activationFinished();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    void SetStatus(const QString& text);
    // Hides this window, shows the child modally, then shows this window again and decides the
    // menu (in the given order), and lets the activation sequence run once more.
    void ShowChild(QDialog* child, bool applyBeforeShowing);
    // Runs the activation sequence once the pending events are handled.
    void QueueActivation();

    bool activationQueued_ = false;
    // The path dialog has just closed: a failed check then must not reopen it at once.
    bool pathDialogClosed_ = false;
};
