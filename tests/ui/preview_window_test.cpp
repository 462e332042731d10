// The report preview: pages, zoom, find with highlight, load and save, printing, and the main
// window's command that opens ".frp" files.
#include "output/ui/preview_window.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "output/engine/frp_file.h"
#include "platform/files.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"
#include "support/command_output.h"
#include "support/print_fixture.h"
#include "ui/ui_fixture.h"

namespace {

PreparedReport SampleReport(int rows) {
    return PrepareSampleBlank(rows, 4);
}

class PreviewTest : public WindowTest {
  protected:
    TfrPreview preview_;
};

TEST_F(PreviewTest, PagesZoomAndFindWithHighlight) {
    preview_.SetReport(SampleReport(120));
    const int pages = int(preview_.Report().pages.size());
    ASSERT_GE(pages, 3);
    EXPECT_EQ(preview_.PageLabel->text().toStdString(), "Страница 1 из " + std::to_string(pages));
    EXPECT_FALSE(preview_.PrevButton->isEnabled());
    EXPECT_EQ(preview_.PageView->pixmap().width(), 794);

    preview_.ZoomBox->setCurrentIndex(0);  // 50%
    EXPECT_EQ(preview_.PageView->pixmap().width(), 397);
    preview_.NextButton->click();
    EXPECT_EQ(preview_.CurrentPage(), 1);

    // The summary row is on the last page; the hit is highlighted there.
    preview_.FindEdit->setText("итого");
    preview_.FindButton->click();
    EXPECT_EQ(preview_.CurrentPage(), pages - 1);
    ASSERT_TRUE(preview_.FoundItem());
    const TextItem& hit = preview_.Report().pages.back().items[*preview_.FoundItem()];
    EXPECT_EQ(hit.text, "Итого");
    const QImage shown = preview_.PageView->pixmap().toImage();
    const QColor mark =
        shown.pixelColor(int((hit.x + hit.width - 3) * 0.5), int((hit.y + hit.height / 2) * 0.5));
    EXPECT_GT(mark.red(), 200);
    EXPECT_LT(mark.blue(), 200);  // tinted yellow, not white paper

    // Searching again wraps around to the same single hit; a missing text says so.
    preview_.FindButton->click();
    EXPECT_EQ(preview_.CurrentPage(), pages - 1);
    preview_.FindEdit->setText("нет такого текста");
    preview_.FindButton->click();
    EXPECT_FALSE(preview_.FoundItem());
    EXPECT_EQ(preview_.StatusLabel->text().toStdString(), "Текст не найден");
}

TEST_F(PreviewTest, SavesAndLoadsFrpAndPdf) {
    preview_.SetReport(SampleReport(60));
    const size_t pages = preview_.Report().pages.size();

    prompts_.PushText(work_ / "saved");  // no extension: a prepared-report file
    preview_.SaveButton->click();
    ASSERT_TRUE(FileExists(work_ / "saved.frp"));
    prompts_.PushText(work_ / "saved.pdf");
    preview_.SaveButton->click();
    EXPECT_EQ(size_t(PdfPageCount(work_ / "saved.pdf")), pages);

    preview_.SetReport({});
    EXPECT_FALSE(preview_.SaveButton->isEnabled());
    prompts_.PushText(work_ / "saved.frp");
    preview_.LoadButton->click();
    EXPECT_EQ(preview_.Report().pages.size(), pages);

    // A damaged file keeps the report shown and says what is wrong.
    const std::string bad = work_.WriteFile("bad.frp", "{\"format\":\"velorm-frp\",\"pa");
    prompts_.ClearHistory();
    prompts_.PushText(bad);
    preview_.LoadButton->click();
    EXPECT_EQ(preview_.Report().pages.size(), pages);
    ASSERT_EQ(prompts_.History().size(), 2u);
    EXPECT_NE(prompts_.History()[1].text.find("поврежден"), std::string::npos);

    // An unwritable target is reported.
    prompts_.ClearHistory();
    prompts_.PushText(work_ / "нет/x.pdf");
    preview_.SaveButton->click();
    ASSERT_EQ(prompts_.History().size(), 2u);
    EXPECT_NE(prompts_.History()[1].text.find("Не удалось записать"), std::string::npos);
}

TEST_F(PreviewTest, PrintsEveryPageAtThePrinterResolution) {
    const PreparedReport report = SampleReport(60);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(work_ / "printed.pdf"));
    printer.setResolution(150);
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(PrintReport(printer, report));
    EXPECT_EQ(size_t(PdfPageCount(work_ / "printed.pdf")), report.pages.size());
    const std::string info = CommandOutput("pdfinfo '" + work_ / "printed.pdf" + "'");
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

TEST_F(PreviewTest, MainWindowOpensOnlyExistingLowerCaseFrpFiles) {
    TForm1* form = AppWindows().Form1;
    std::string error;
    ASSERT_TRUE(SavePreparedReport(SampleReport(5), work_ / "r.frp", error));
    CopyFileOverwrite(work_ / "r.frp", work_ / "upper.FRP");

    for (const std::string& ignored : {work_ / "upper.FRP", work_ / "absent.frp"}) {
        prompts_.PushText(ignored);
        form->MenuItem11Click();
        EXPECT_TRUE(form->Preview->Report().pages.empty()) << ignored;
    }
    prompts_.PushText(std::nullopt);
    form->MenuItem11Click();
    EXPECT_EQ(prompts_.History().size(), 3u);  // the three file choices, nothing else

    prompts_.PushText(work_ / "r.frp");
    bool shown = false;
    WhenShown(form->Preview, [&] {
        shown = true;
        EXPECT_EQ(form->Preview->Report().pages.size(), 1u);
        form->Preview->CloseButton->click();
    });
    form->MenuItem11Click();
    EXPECT_TRUE(shown);
}

}  // namespace
