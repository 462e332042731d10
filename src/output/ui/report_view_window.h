// The report view window: choosing a module's report, reading it, showing and adjusting the
// blank. Its regions are built and handled in report_view_*.cpp, one file per region.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "output/header/header_model.h"
#include "output/print/print_state.h"
#include "output/reading/reading_result.h"
#include "output/table/build_progress.h"
#include "output/table/report_table.h"
#include "output/view/column_options.h"
#include "output/view/view_tree.h"
#include "platform/date_time.h"

// Three alignment buttons and two style buttons of one option group.
struct OptionButtons {
    QGroupBox* Group = nullptr;
    QToolButton* Align[3] = {};
    QToolButton* Bold = nullptr;
    QToolButton* Italic = nullptr;
    QComboBox* Frame = nullptr;  // "Рамка:" of the table header and summary groups
};

class TAprosmOt : public QDialog {
    Q_OBJECT
  public:
    explicit TAprosmOt(QWidget* parent = nullptr);
    ~TAprosmOt() override;  // FreeAll

    const ReportTable& Table() const { return table_; }
    int TreeMode() const { return treeMode_; }

    // Selection tree.
    void SpeedButton1Click(int mode);  // both mode buttons
    void Edit1Change();
    void VSTRFocusChanged();
    // Focuses the node of the module directory's report file; false when the tree has none.
    bool SelTreeNode(const std::string& moduleDir, const std::string& moduleReportPath);
    // Connection page.
    void RadioButtClick(int kind);
    void SpeedButton18Click();
    void SetPickerTimes(TDateTime start, TDateTime end);
    void Button1Click();  // "Считать"
    void Button8Click();  // "Прервать"
    void Button5Click();  // "Продолжить"
    void Button6Click();  // "Перечитать очередь задач "
    void PageControl1Change();
    // Data page and options.
    void StringGrid1Click(int column);
    void StringGrid1HeaderSized(int column, int width);
    void SpeedButton19Click();  // "Изменить"
    void AlignButClick(OptionGroup group, int align);
    void StyleButClick(OptionGroup group, int bit, bool on);
    void LineButClick(OptionGroup group, int frame);
    void CheckBox6Click();  // "Добавить колонку с нумерацией"
    void ButtonOptionsClick();
    void CheckBox3Click(bool on);  // "Особая шапка"
    void ButtonPrepareClick();     // "Предпросмотр"
    void Button2Click();           // "Сгенерировать имя"
    void Button4Click();           // "Сохранить" (PDF)
    // Special header page.
    void AddCellClick();
    void DelCellClick();
    void SpawnCellsClick();
    void OformCellsClick(int styleBit, int align);  // one of them is -1
    void Button10Click();  // "Применить ко всем модулям"

    // Left: page "Выбор отчета".
    QTabWidget* LeftPages;
    QWidget* GrTreeRep;
    QToolButton* SpeedButton2;  // "Контроллер-отчет"
    QToolButton* SpeedButton1;  // "Отчет-контроллер"
    QLineEdit* Edit1;
    QTreeWidget* VSTR;
    QPlainTextEdit* Memo1;
    // Left: page "Параметры отчета".
    QWidget* GrOptRep;
    QPushButton* ButtonPrepare;
    QLineEdit* DirectoryEdit1;
    QLineEdit* Edit4;
    QPushButton* Button2;
    QPushButton* Button4;
    QPushButton* ButtonOptions;
    QWidget* OptionsPanel;
    QRadioButton* rbGeneralOpt;
    QRadioButton* rbTableOpt;
    QStackedWidget* OptionPages;
    // Options "Общие".
    QRadioButton* RadioPortrait;
    QRadioButton* RadioLandscape;
    QComboBox* ComboFormat;
    QComboBox* ComboBox1;  // page number position
    QComboBox* ComboBox2;  // font size
    QComboBox* ComboBox3;  // font name
    OptionButtons GrTitle, GrHeader, GrFooter;
    QCheckBox* CheckBoxZavN;
    QCheckBox* CheckBoxTipM;
    QCheckBox* CheckBox1;  // "Сохранять изменения настроек"
    QPushButton* Button10;
    // Options "Таблица".
    OptionButtons GrTabHead, GrSummary, GrColumn;
    QCheckBox* CheckBox3;  // "Особая шапка"
    QCheckBox* CheckBox4;  // "Только надпись"
    QLineEdit* Edit3;      // "Номер колонки:"
    QLineEdit* Edit2;      // "Ширина:"
    QToolButton* SpeedButton19;
    QCheckBox* CheckBox6;  // "Добавить колонку с нумерацией"

    // Right pages.
    QTabWidget* PageControl1;
    QWidget* TabConnection;
    QWidget* TabData;
    QWidget* TabHeader;
    // Page "Подключение".
    QLabel* LabelName;
    QLabel* LabelSerial;
    QLabel* LabelType;
    QLabel* LabelId;
    QLabel* LabelReport;
    QLabel* LabelError;
    QPushButton* Button8;
    QPushButton* Button1;
    QGroupBox* GroupKind;  // "Тип отчета"
    QRadioButton* RadioHour;
    QRadioButton* RadioDay;
    QRadioButton* RadioMonth;
    QLabel* LabelPeriod;
    QDateTimeEdit* DateStart;
    QDateTimeEdit* DateEnd;
    QToolButton* SpeedButton18;
    QLineEdit* EditTimeout;
    QLineEdit* EditRepeats;
    QCheckBox* CheckBoxLog;  // "Сохранить лог"
    QWidget* Panel3;
    QLabel* LabelDeviceId;
    QLabel* LabelStoredId;
    QPushButton* Button5;
    QPushButton* Button6;
    QLabel* LabelStatus;
    QProgressBar* ProgressBar1;
    // Page "Данные".
    QLabel* LabelrTitle;
    QTextEdit* MemorHeader;
    QTableWidget* StringGrid1;
    QTextEdit* MemorFooter;
    // Page "Особая шапка".
    QToolButton* AddCell;
    QToolButton* DelCell;
    QToolButton* SpawnCells;
    QToolButton* EditCell;
    QToolButton* HeadAlign[3];
    QToolButton* HeadBold;
    QToolButton* HeadItalic;
    QPushButton* Button9;  // "Убрать особую шапку"
    QTableWidget* StringGridHead;

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    void done(int result) override;              // FormClose
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building the regions.
    QWidget* BuildTreePage();
    QWidget* BuildOptionsPage();
    QWidget* BuildGeneralOptions();
    QWidget* BuildTableOptions();
    QWidget* BuildConnectionPage();
    QWidget* BuildDataPage();
    QWidget* BuildHeaderPage();
    OptionButtons MakeOptionButtons(const QString& title, OptionGroup group, bool withFrame);

    // Selection tree.
    void FillTree();
    void LoadSelectedReport(const QTreeWidgetItem* item);
    void ShowReportContext(int previousKind);
    // Reading.
    ReadingResult ReadController(TDateTime start, TDateTime end, const TableProgress& progress);
    void ShowReadingResult(const ReadingResult& result);

    TDateTime PickerTime(const QDateTimeEdit* picker) const;
    // Data page.
    void ShowTable();
    void ShowTexts();
    void ApplyOptionsToControls();
    void ShowGroupOptions(OptionGroup group);
    void ApplyGroupToPreview(OptionGroup group);
    void ShowSelectedColumn(int gridColumn);
    void ShowColumnStyle(int gridColumn);
    void ChangeGroupOptions(OptionGroup group, const std::function<void(OptionTriple&)>& change);
    void ResetView(bool datesToNow);
    void LeaveReport();
    // Tells the user that the module report file could not be written.
    void TellWriteFailure();
    // Special header page.
    void ShowHeaderGrid();
    void ShowHeaderPage(bool on);
    HeaderRect SelectedHeaderRect() const;
    void ShowHeaderCellState(int column, int row);
    void HeaderTextChanged(int column, int row, const QString& text);
    void HeaderGridColumnSized(int gridColumn, int width);
    // Saves the options and the special header before the blank is printed or exported.
    PrintState SavedPrintState();
    OptionButtons& ButtonsOf(OptionGroup group);

    std::vector<ViewTreeNode> tree_;
    int treeMode_ = tvModuleReport;
    ReportTable table_;
    SpecialHeader header_;
    std::string deviceId_;        // the controller's queue identifier of the last mismatch
    std::string controllerName_;  // as the connection page shows it
    bool reading_ = false;
    bool fillingTree_ = false;
    bool fillingGrid_ = false;  // column widths set by the program are not stored
};
