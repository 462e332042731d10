// The report view window on the demo world: the selection tree, the connection page, a flash
// reading shown in the grid, options stored and loaded again, and the reopen request.
#include "output/ui/report_view_window.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "comm/device/device_link.h"
#include "output/table/result_codes.h"
#include "output/ui/preview_window.h"
#include "platform/event_pump.h"
#include "platform/files.h"
#include "platform/format_settings.h"
#include "platform/ini_file.h"
#include "reports/report_keys.h"
#include "reports/report_records.h"
#include "shell/demo_world.h"
#include "shell/program_state.h"
#include "shell/ui/program_windows.h"
#include "sim_server.h"
#include "ui/ui_fixture.h"

namespace {

class ReportViewTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        CurrentFormatSettings() = FormatSettings{};
        std::string error;
        ASSERT_TRUE(WriteDemoWorld(work_ / "world", "", world_, error)) << error;
        Shell().ModulesDir = world_.modulesDir;
        Shell().ReportsDir = world_.reportsDir;
        w_ = AppWindows().AprosmOt;
        w_->SpeedButton1Click(tvModuleReport);
    }
    std::string ModuleReport(const std::string& file) const {
        return JoinPath(JoinPath(world_.reports.ModuleDir, "Reports"), file);
    }
    // Focuses the report child (module-report mode: top 0, child `report`).
    void SelectReport(int report) {
        w_->VSTR->setCurrentItem(w_->VSTR->topLevelItem(0)->child(report));
    }
    void SetPeriod(const QDateTime& from, const QDateTime& to) {
        w_->DateStart->setDateTime(from);
        w_->DateEnd->setDateTime(to);
    }
    // Reads the hourly report for 10.03.2024 00:00 … 06:00.
    void ReadHourly() {
        SelectReport(0);
        w_->RadioHour->click();
        SetPeriod(QDateTime(QDate(2024, 3, 10), QTime(0, 0)),
                  QDateTime(QDate(2024, 3, 10), QTime(6, 0)));
        w_->Button1->click();
    }
    std::string Cell(int row, int column) const {
        const QTableWidgetItem* item = w_->StringGrid1->item(row, column);
        return item ? item->text().toStdString() : "<none>";
    }

    DemoWorld world_;
    TAprosmOt* w_ = nullptr;
};

TEST_F(ReportViewTest, TreeInBothModesAndSearch) {
    ASSERT_EQ(w_->VSTR->topLevelItemCount(), 2);  // the flash and the controller module
    QTreeWidgetItem* module = w_->VSTR->topLevelItem(0);
    EXPECT_TRUE(module->text(0).endsWith(" (1234)"));
    ASSERT_EQ(module->childCount(), 2);
    EXPECT_EQ(module->child(1)->text(0).toStdString(), "Суточная ведомость");

    w_->Edit1->setText("СУТОЧ");
    EXPECT_FALSE(module->isHidden());
    EXPECT_TRUE(module->child(0)->isHidden());
    EXPECT_FALSE(module->child(1)->isHidden());
    w_->Edit1->setText("нет такого");
    EXPECT_TRUE(module->isHidden());
    EXPECT_TRUE(w_->VSTR->topLevelItem(1)->isHidden());
    w_->Edit1->clear();

    const QString moduleCaption = module->text(0);
    w_->SpeedButton1->click();  // the tree is filled anew
    EXPECT_EQ(w_->TreeMode(), tvReportModule);
    ASSERT_GE(w_->VSTR->topLevelItemCount(), 2);
    EXPECT_EQ(w_->VSTR->topLevelItem(0)->text(0).toStdString(), "Часовая ведомость");
    EXPECT_EQ(w_->VSTR->topLevelItem(0)->child(0)->text(0), moduleCaption);
}

TEST_F(ReportViewTest, TreeModeIsStoredWhenTheWindowGoes) {
    w_->SpeedButton1->click();
    DestroyProgramWindows();
    EXPECT_EQ(IniFile(Shell().SettingsFileName).ReadInteger("Options", "TreeViewType", 0),
              tvReportModule);
    CreateProgramWindows();
    EXPECT_TRUE(AppWindows().AprosmOt->SpeedButton1->isChecked());
}

TEST_F(ReportViewTest, FocusingAModuleSelectsItsFirstReport) {
    w_->VSTR->setCurrentItem(w_->VSTR->topLevelItem(0));
    EXPECT_EQ(w_->VSTR->currentItem(), w_->VSTR->topLevelItem(0)->child(0));
    EXPECT_EQ(CurrentReport().RepI.ModuleReportPath, ModuleReport("00000001.ini"));
    EXPECT_EQ(w_->LabelSerial->text().toStdString(), "1234");
    EXPECT_EQ(w_->LabelReport->text().toStdString(), "Часовая ведомость");
    EXPECT_EQ(w_->LabelPeriod->text().toStdString(), "Выберите дату и час:");
    EXPECT_TRUE(w_->Button1->isEnabled());
}

TEST_F(ReportViewTest, ReportWithoutArchiveKindsCannotBeRead) {
    IniFile ini(ModuleReport("00000002.ini"));
    for (const char* key : {kKeyTypeH, kKeyTypeD, kKeyTypeM})
        ini.WriteInteger(kSecReport, key, 0);
    ASSERT_TRUE(ini.Save());
    SelectReport(1);
    EXPECT_FALSE(w_->Button1->isEnabled());
    EXPECT_FALSE(w_->GroupKind->isEnabled());
    EXPECT_EQ(w_->LabelError->text().toStdString(),
              "Для данного отчета не настроены значения для колонок таблицы. ");
    SelectReport(0);
    EXPECT_TRUE(w_->Button1->isEnabled());
    EXPECT_TRUE(w_->LabelError->text().isEmpty());
}

TEST_F(ReportViewTest, ReadingErrorsGoToTheErrorLabel) {
    SelectReport(0);
    const QDateTime t(QDate(2024, 3, 10), QTime(5, 0));
    SetPeriod(t, t);
    w_->Button1->click();
    EXPECT_EQ(w_->LabelError->text().toStdString(),
              "Дата начала периода больше или равна дате окончания");
    EXPECT_EQ(w_->PageControl1->currentWidget(), w_->TabConnection);

    IniFile link(world_.reports.LinkPath);
    link.DeleteKey(kSecCommon, kKeyVS);
    ASSERT_TRUE(link.Save());
    w_->Button1->click();
    EXPECT_EQ(w_->LabelError->text().toStdString(), "Связь не настроена");
    EXPECT_TRUE(w_->Button1->isEnabled());
    EXPECT_FALSE(w_->Button8->isEnabled());
}

TEST_F(ReportViewTest, FlashReadingFillsTheGrid) {
    ReadHourly();
    ASSERT_TRUE(w_->LabelError->text().isEmpty()) << w_->LabelError->text().toStdString();
    EXPECT_EQ(w_->PageControl1->currentWidget(), w_->TabData);
    EXPECT_TRUE(w_->GrOptRep->isEnabled());
    EXPECT_FALSE(w_->ProgressBar1->isVisible());
    const ReportTable& table = w_->Table();
    ASSERT_EQ(w_->StringGrid1->columnCount(), static_cast<int>(table.Columns.size()));
    ASSERT_EQ(w_->StringGrid1->rowCount(), 6 + 1);  // six hours and the summary row
    EXPECT_EQ(w_->StringGrid1->horizontalHeaderItem(0)->text().toStdString(),
              table.Columns[0].Title);
    EXPECT_EQ(Cell(0, 0), "10.03.24   00:00");
    EXPECT_EQ(Cell(5, 0), "10.03.24   05:00");
    for (int c = 1; c < w_->StringGrid1->columnCount(); ++c)
        for (int r = 0; r < 7; ++r)
            EXPECT_EQ(Cell(r, c), table.Cell(c, r + 1)) << r << "," << c;
    EXPECT_NE(Cell(2, 1).find(','), std::string::npos) << Cell(2, 1);
    EXPECT_EQ(w_->StringGrid1->columnWidth(1), table.Columns[1].Width);
    EXPECT_FALSE(w_->LabelrTitle->text().isEmpty());
}

TEST_F(ReportViewTest, OptionsAreStoredAndShownAgain) {
    ReadHourly();
    ASSERT_TRUE(CurrentReport().Loaded);
    w_->GrTitle.Align[taRight]->click();
    w_->GrTitle.Italic->click();  // the demo title is bold already
    w_->GrTabHead.Frame->setCurrentIndex(1);
    emit w_->GrTabHead.Frame->activated(1);
    w_->CheckBoxZavN->click();
    w_->ComboBox2->setCurrentIndex(8);
    emit w_->ComboBox2->activated(8);
    w_->StringGrid1->horizontalHeader()->resizeSection(2, 133);
    EXPECT_EQ(w_->Edit3->text().toStdString(), "2");
    EXPECT_EQ(w_->Edit2->text().toStdString(), "133");
    w_->GrColumn.Align[taCenter]->click();
    EXPECT_TRUE(w_->LabelrTitle->font().italic());
    EXPECT_TRUE(w_->LabelrTitle->font().bold());

    // Column changes are in the file at once; the rest when the report is left.
    const int id = w_->Table().Ids.Ids[3];
    IniFile stored(ModuleReport("00000001.ini"));
    EXPECT_EQ(stored.ReadInteger(ColumnIdSection(id), kKeyColWidth, 0), 133);
    EXPECT_EQ(stored.ReadInteger(ColumnIdSection(id), "a", 0), taCenter);
    SelectReport(1);
    EXPECT_FALSE(CurrentReport().Loaded);
    EXPECT_EQ(w_->StringGrid1->columnCount(), 0);
    const IniFile left(ModuleReport("00000001.ini"));
    EXPECT_EQ(left.ReadInteger("TitleOpt", "a", 0), taRight);
    EXPECT_EQ(left.ReadInteger("TitleOpt", "s", 0), kStyleBold | kStyleItalic);
    EXPECT_EQ(left.ReadInteger("TabHeadOpt", "r", 0), flBold);
    EXPECT_EQ(left.ReadInteger(kSecReport, "ZavN", 0), 1);
    EXPECT_EQ(left.ReadInteger(kSecReport, "FontStyle", 0), 8);

    // Reading the report again shows every option in the controls.
    w_->CheckBoxZavN->setChecked(false);
    ReadHourly();
    EXPECT_TRUE(w_->GrTitle.Align[taRight]->isChecked());
    EXPECT_TRUE(w_->GrTitle.Bold->isChecked());
    EXPECT_TRUE(w_->GrTitle.Italic->isChecked());
    EXPECT_EQ(w_->GrTabHead.Frame->currentIndex(), 1);
    EXPECT_TRUE(w_->CheckBoxZavN->isChecked());
    EXPECT_EQ(w_->ComboBox2->currentIndex(), 8);
    EXPECT_EQ(w_->StringGrid1->columnWidth(2), 133);
    EXPECT_EQ(w_->StringGrid1->item(0, 2)->textAlignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(w_->LabelrTitle->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(ReportViewTest, ColumnWidthEntryAndNumberingColumn) {
    ReadHourly();
    const int rows = w_->StringGrid1->rowCount();
    w_->Edit2->setText("abc");
    w_->SpeedButton19->click();
    ASSERT_FALSE(prompts_.History().empty());
    EXPECT_EQ(prompts_.History().back().text, "Выберите колонку");

    w_->StringGrid1Click(1);
    w_->Edit2->setText("90");
    emit w_->Edit2->returnPressed();
    EXPECT_EQ(w_->StringGrid1->columnWidth(1), 90);

    w_->CheckBox6->click();
    ASSERT_EQ(w_->StringGrid1->horizontalHeaderItem(0)->text().toStdString(), "№");
    EXPECT_EQ(Cell(0, 0), "1");
    EXPECT_EQ(w_->StringGrid1->rowCount(), rows);
    EXPECT_EQ(w_->StringGrid1->columnWidth(2), 90);  // the column moved right with its width
    w_->CheckBox6->click();
    EXPECT_EQ(Cell(0, 0), "10.03.24   00:00");
}

TEST_F(ReportViewTest, ApplyToAllModulesAsksFirst) {
    ReadHourly();
    prompts_.PushAnswer(PromptAnswer::No);
    w_->Button10->click();
    ASSERT_EQ(prompts_.History().size(), 1u);
    EXPECT_EQ(prompts_.History()[0].caption, "Velorm: Сообщение");
    EXPECT_EQ(prompts_.History()[0].text,
              "Применить настройки оформления ко всем модулям использующим такой же бланк "
              "отчета?");
}

TEST_F(ReportViewTest, ReopenRequestClosesTheWindow) {
    SelectReport(0);
    bool closed = false;
    WhenShown(w_, [&] {
        w_->Button6->click();
        closed = !w_->isVisible();
    });
    w_->exec();
    EXPECT_TRUE(closed);
    EXPECT_EQ(Shell().ReopenModulePath, IncludeTrailingPathDelimiter(world_.reports.ModuleDir));
}

// The controller module of the demo world read over UDP from the simulator.
class ControllerViewTest : public ReportViewTest {
  protected:
    void StartSim(uint32_t taskId) {
        sim::SimConfig config = sim::LoadSimConfig(world_.simConfig);
        config.modules[0].taskId = taskId;
        server_ = std::make_unique<sim::SimServer>(config, sim::Carrier::Udp);
        ASSERT_TRUE(server_->Start()) << server_->Error();
        IniFile link(world_.reports.Controller.LinkPath);
        link.WriteInteger("Link", "Port", server_->Port());
        ASSERT_TRUE(link.Save());
    }
    void TearDown() override {
        if (server_)
            server_->Stop();
        ReportViewTest::TearDown();
    }
    void ReadControllerHourly() {
        w_->VSTR->setCurrentItem(w_->VSTR->topLevelItem(1)->child(0));
        SetPeriod(QDateTime(QDate(2024, 3, 14), QTime(0, 0)),
                  QDateTime(QDate(2024, 3, 14), QTime(6, 0)));
        w_->Button1->click();
    }
    std::unique_ptr<sim::SimServer> server_;
};

TEST_F(ControllerViewTest, ReadsTheControllerAndLogsTheExchange) {
    StartSim(world_.reports.Controller.QueueId);
    w_->CheckBoxLog->setChecked(true);
    ReadControllerHourly();
    ASSERT_TRUE(w_->LabelError->text().isEmpty()) << w_->LabelError->text().toStdString();
    EXPECT_FALSE(w_->Panel3->isVisibleTo(w_));
    EXPECT_EQ(w_->PageControl1->currentWidget(), w_->TabData);
    EXPECT_EQ(w_->StringGrid1->rowCount(), 6 + 1);
    EXPECT_NE(Cell(0, 1).find(','), std::string::npos) << Cell(0, 1);
    EXPECT_TRUE(w_->Memo1->toPlainText().contains(">> "));
    EXPECT_FALSE(w_->LabelStatus->isVisibleTo(w_));
}

TEST_F(ControllerViewTest, MismatchPanelAndContinueStoresTheControllersIdentifier) {
    StartSim(0x11223344);
    ReadControllerHourly();
    EXPECT_TRUE(w_->Panel3->isVisibleTo(w_));
    EXPECT_EQ(w_->LabelDeviceId->text().toStdString(), "44332211");
    EXPECT_EQ(w_->LabelError->text().toStdString(), ReportResultMessage(rrQueueIdMismatch));
    EXPECT_EQ(w_->StringGrid1->rowCount(), 0);
    EXPECT_EQ(w_->PageControl1->currentWidget(), w_->TabConnection);

    w_->Button5->click();
    EXPECT_EQ(IniFile(world_.reports.Controller.LinkPath).ReadString(kSecCommon, kKeyRealId, ""),
              "44332211");
    EXPECT_FALSE(w_->Panel3->isVisibleTo(w_));
    EXPECT_TRUE(w_->LabelError->text().isEmpty()) << w_->LabelError->text().toStdString();
    EXPECT_EQ(w_->StringGrid1->rowCount(), 6 + 1);
}

TEST_F(ControllerViewTest, ExchangeFailureIsShownInAMessageBoxToo) {
    IniFile link(world_.reports.Controller.LinkPath);
    link.WriteInteger("Link", "Port", 9);  // nobody answers there
    ASSERT_TRUE(link.Save());
    w_->EditTimeout->setText("1");
    w_->EditRepeats->setText("1");
    ReadControllerHourly();
    EXPECT_FALSE(w_->LabelError->text().isEmpty());
    ASSERT_FALSE(prompts_.History().empty());
    EXPECT_EQ(prompts_.History().back().caption, "Velorm: Сообщение");
    EXPECT_TRUE(w_->Button1->isEnabled());
}

TEST_F(ControllerViewTest, StopButtonWorksWhileTheReadingWaits) {
    // A UDP socket that takes the requests and never answers.
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    IniFile link(world_.reports.Controller.LinkPath);
    link.WriteInteger("Link", "Port", ntohs(address.sin_port));
    ASSERT_TRUE(link.Save());

    SetEventPump([] { QCoreApplication::processEvents(); });
    bool sawReading = false;
    QTimer::singleShot(100, w_, [&] {
        sawReading =
            !w_->Button1->isEnabled() && w_->Button8->isEnabled() && !w_->GrTreeRep->isEnabled();
        w_->Button8->click();
    });
    ReadControllerHourly();
    SetEventPump(nullptr);
    close(fd);
    EXPECT_TRUE(sawReading);
    EXPECT_TRUE(StopRequested());
    EXPECT_FALSE(w_->LabelError->text().isEmpty());
    EXPECT_TRUE(w_->Button1->isEnabled());
    EXPECT_FALSE(w_->Button8->isEnabled());
    EXPECT_TRUE(w_->GrTreeRep->isEnabled());
}

TEST_F(ReportViewTest, SpecialHeaderWithAMergedCellIsSavedLoadedAndPrinted) {
    ReadHourly();
    w_->rbTableOpt->click();
    w_->CheckBox3->click();
    EXPECT_NE(w_->PageControl1->indexOf(w_->TabHeader), -1);
    EXPECT_TRUE(w_->PageControl1->isTabVisible(w_->PageControl1->indexOf(w_->TabHeader)));
    ASSERT_EQ(w_->StringGridHead->rowCount(), 1);
    const int columns = w_->StringGridHead->columnCount();
    ASSERT_EQ(columns, w_->StringGrid1->columnCount() + 1);

    w_->AddCell->click();
    ASSERT_EQ(w_->StringGridHead->rowCount(), 2);
    w_->StringGridHead->setRangeSelected(QTableWidgetSelectionRange(0, 2, 0, 3), true);
    w_->SpawnCells->click();
    EXPECT_EQ(w_->StringGridHead->columnSpan(0, 2), 2);
    w_->EditCell->click();
    w_->StringGridHead->item(0, 2)->setText("Тепловая энергия");
    w_->HeadBold->setChecked(true);
    w_->OformCellsClick(kStyleBold, -1);

    SelectReport(1);  // leaving the report stores the header
    const std::string file = JoinPath(
        JoinPath(JoinPath(world_.reports.ModuleDir, "Reports"), "THead"), "00000001TabHead.ini");
    const IniFile stored(file);
    EXPECT_EQ(stored.ReadInteger("Main", "RowCount", 0), 2);
    EXPECT_EQ(stored.ReadInteger("Main", "ColCount", 0), columns - 1);
    EXPECT_EQ(stored.ReadInteger("Cell_1_0", "colspan", 0), 2);
    EXPECT_LE(stored.ReadInteger("Cell_2_0", "colspan", 1), 0);
    EXPECT_EQ(stored.ReadString("Cell_1_0", "text", ""), "Тепловая энергия");

    ReadHourly();
    EXPECT_TRUE(w_->CheckBox3->isChecked());
    ASSERT_EQ(w_->StringGridHead->rowCount(), 2);
    EXPECT_EQ(w_->StringGridHead->columnSpan(0, 2), 2);
    EXPECT_EQ(w_->StringGridHead->item(0, 2)->text().toStdString(), "Тепловая энергия");

    // The numbering column comes into the header merged over its rows, and goes again.
    const int gridColumns = w_->StringGridHead->columnCount();
    w_->CheckBox6->click();
    ASSERT_EQ(w_->StringGridHead->columnCount(), gridColumns + 1);
    EXPECT_EQ(w_->StringGridHead->horizontalHeaderItem(1)->text().toStdString(), "№");
    EXPECT_EQ(w_->StringGridHead->rowSpan(0, 1), 2);
    EXPECT_EQ(w_->StringGridHead->columnSpan(0, 3), 2);
    w_->CheckBox6->click();
    EXPECT_EQ(w_->StringGridHead->columnCount(), gridColumns);
    EXPECT_EQ(w_->StringGridHead->columnSpan(0, 2), 2);

    PreparedReport printed;
    WhenShown(w_, [&] {
        w_->ButtonPrepare->click();
        w_->close();
    });
    auto* grab = new QTimer(w_);
    QObject::connect(grab, &QTimer::timeout, [&] {
        if (auto* preview = qobject_cast<TfrPreview*>(QApplication::activeModalWidget())) {
            printed = preview->Report();
            preview->close();
        }
    });
    grab->start(10);
    w_->exec();
    ASSERT_FALSE(printed.pages.empty());
    const auto& items = printed.pages[0].items;
    const auto merged = std::find_if(
        items.begin(), items.end(), [](const TextItem& t) { return t.text == "Тепловая энергия"; });
    ASSERT_NE(merged, items.end());
    EXPECT_NEAR(merged->width, w_->Table().Columns[1].Width + w_->Table().Columns[2].Width, 1.0);

    // "Убрать особую шапку" switches the option off and the default header comes back.
    w_->Button9->click();
    EXPECT_FALSE(w_->CheckBox3->isChecked());
    EXPECT_EQ(w_->StringGridHead->rowCount(), 1);
}

TEST_F(ReportViewTest, PdfNameGeneratedAndBlankSaved) {
    ReadHourly();
    w_->Button2->click();
    const std::string name = w_->Edit4->text().toStdString();
    EXPECT_NE(name.find(" (1234) "), std::string::npos) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".pdf");
    EXPECT_EQ(name.find(':'), std::string::npos) << name;

    w_->DirectoryEdit1->setText(QString::fromStdString(work_ / "pdf/out"));
    w_->Button4->click();
    EXPECT_TRUE(FileExists(JoinPath(work_ / "pdf/out", name)));
    // The directory and the name are stored with the options.
    const IniFile stored(ModuleReport("00000001.ini"));
    EXPECT_EQ(stored.ReadString(kSecReport, "AddrPdfKat", ""), work_ / "pdf/out");
    EXPECT_EQ(stored.ReadString(kSecReport, "AddrPdfFl", ""), name);
}

}  // namespace
