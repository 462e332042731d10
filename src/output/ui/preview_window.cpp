// The preview of a prepared report.
#include "output/ui/preview_window.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "output/engine/frp_file.h"
#include "output/render/pdf_export.h"
#include "output/render/raster_page.h"
#include "platform/files.h"
#include "platform/prompts.h"

namespace {

constexpr const char* kCaption = "Предварительный просмотр";
constexpr const char* kHelpText =
    "Просмотр подготовленного отчета.\n"
    "Масштаб — выбор размера страницы на экране.\n"
    "◀ ▶ — предыдущая и следующая страница.\n"
    "Найти — поиск текста по всем страницам; найденная надпись выделяется.\n"
    "Открыть — загрузить файл отчета (.frp).\n"
    "Сохранить — сохранить отчет в файл .frp или в PDF (имя с расширением .pdf).\n"
    "Печать — вывод отчета на принтер.";

// Pages are drawn for the printer at its resolution, up to this one.
constexpr double kMaxPrintDpi = 600;

struct ZoomChoice {
    const char* text;
    double zoom;  // 0: the page width fits the window
};
constexpr ZoomChoice kZooms[] = {{"50%", 0.5},  {"75%", 0.75}, {"100%", 1.0},
                                 {"150%", 1.5}, {"200%", 2.0}, {"По ширине", 0}};

}  // namespace

QImage PageImage(const PreparedPage& page, double zoom) {
    const RasterImage raster = RenderPageImage(page, 96.0 * zoom);
    return QImage(raster.pixels.data(), raster.width, raster.height, raster.stride,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

bool PrintReport(QPrinter& printer, const PreparedReport& report) {
    printer.setFullPage(true);
    QPainter painter;
    if (report.pages.empty() || !painter.begin(&printer))
        return false;
    const double dpi = printer.resolution();
    for (size_t p = 0; p < report.pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        const PreparedPage& page = report.pages[p];
        const QImage image = PageImage(page, std::min(dpi, kMaxPrintDpi) / 96.0);
        painter.drawImage(QRectF(0, 0, page.width * dpi / 96.0, page.height * dpi / 96.0), image);
    }
    return painter.end();
}

TfrPreview::TfrPreview(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setModal(true);
    resize(900, 700);

    auto* tools = new QHBoxLayout;
    ZoomBox = new QComboBox(this);
    for (const ZoomChoice& choice : kZooms)
        ZoomBox->addItem(choice.text, choice.zoom);
    ZoomBox->setCurrentIndex(2);
    PrevButton = new QPushButton("◀", this);
    NextButton = new QPushButton("▶", this);
    PageLabel = new QLabel(this);
    FindEdit = new QLineEdit(this);
    FindEdit->setPlaceholderText("Текст для поиска");
    FindEdit->setMinimumWidth(160);
    FindButton = new QPushButton("Найти", this);
    LoadButton = new QPushButton("Открыть", this);
    SaveButton = new QPushButton("Сохранить", this);
    PrintButton = new QPushButton("Печать", this);
    HelpButton = new QPushButton("Справка", this);
    CloseButton = new QPushButton("Закрыть", this);
    for (QWidget* w : std::initializer_list<QWidget*>{ZoomBox, PrevButton, NextButton, PageLabel,
                                                      FindEdit, FindButton, LoadButton, SaveButton,
                                                      PrintButton, HelpButton, CloseButton})
        tools->addWidget(w);

    PageView = new QLabel;
    PageView->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(PageView);
    scroll_->setWidgetResizable(true);
    scroll_->setBackgroundRole(QPalette::Dark);
    StatusLabel = new QLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(scroll_, 1);
    layout->addWidget(StatusLabel);

    connect(ZoomBox, &QComboBox::currentIndexChanged, this, &TfrPreview::ZoomChanged);
    connect(PrevButton, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(NextButton, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(FindButton, &QPushButton::clicked, this, &TfrPreview::FindNext);
    connect(FindEdit, &QLineEdit::returnPressed, this, &TfrPreview::FindNext);
    connect(LoadButton, &QPushButton::clicked, this, &TfrPreview::LoadClick);
    connect(SaveButton, &QPushButton::clicked, this, &TfrPreview::SaveClick);
    connect(PrintButton, &QPushButton::clicked, this, &TfrPreview::PrintClick);
    connect(HelpButton, &QPushButton::clicked, this, &TfrPreview::HelpClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    Redraw();
}

void TfrPreview::SetReport(PreparedReport report) {
    report_ = std::move(report);
    page_ = 0;
    found_.reset();
    StatusLabel->clear();
    Redraw();
}

void TfrPreview::ShowPage(int index) {
    if (index < 0 || index >= int(report_.pages.size()) || index == page_)
        return;
    page_ = index;
    found_.reset();
    Redraw();
}

void TfrPreview::ZoomChanged() {
    const double chosen = ZoomBox->currentData().toDouble();
    if (chosen > 0) {
        zoom_ = chosen;
    } else if (!report_.pages.empty()) {
        const int room = scroll_->viewport()->width() - scroll_->verticalScrollBar()->width();
        zoom_ = std::max(0.1, double(room) / report_.pages[size_t(page_)].width);
    }
    Redraw();
}

void TfrPreview::Redraw() {
    const bool any = !report_.pages.empty();
    PrevButton->setEnabled(any && page_ > 0);
    NextButton->setEnabled(any && page_ + 1 < int(report_.pages.size()));
    SaveButton->setEnabled(any);
    PrintButton->setEnabled(any);
    FindButton->setEnabled(any);
    PageLabel->setText(any ? QString("Страница %1 из %2").arg(page_ + 1).arg(report_.pages.size())
                           : QString());
    if (!any) {
        PageView->clear();
        return;
    }
    const PreparedPage& page = report_.pages[size_t(page_)];
    QImage image = PageImage(page, zoom_);
    if (found_ && *found_ < page.items.size()) {
        const TextItem& item = page.items[*found_];
        QPainter painter(&image);
        painter.setPen(QPen(QColor(230, 120, 0), 2));
        painter.setBrush(QColor(255, 230, 0, 90));
        painter.drawRect(
            QRectF(item.x * zoom_, item.y * zoom_, item.width * zoom_, item.height * zoom_));
    }
    PageView->setPixmap(QPixmap::fromImage(image));
}

void TfrPreview::FindNext() {
    const QString needle = FindEdit->text();
    if (needle.isEmpty() || report_.pages.empty())
        return;
    const size_t pageCount = report_.pages.size();
    size_t p = size_t(page_);
    size_t start = found_ ? *found_ + 1 : 0;
    // Every page once, the current page's boxes before the hit last of all.
    for (size_t step = 0; step <= pageCount; ++step) {
        const auto& items = report_.pages[p].items;
        for (size_t i = start; i < items.size(); ++i) {
            if (QString::fromStdString(items[i].text).contains(needle, Qt::CaseInsensitive)) {
                page_ = int(p);
                found_ = i;
                StatusLabel->clear();
                Redraw();
                return;
            }
        }
        p = (p + 1) % pageCount;
        start = 0;
    }
    found_.reset();
    StatusLabel->setText("Текст не найден");
    Redraw();
}

void TfrPreview::LoadClick() {
    const auto path = CurrentPrompts().ChooseOpenFile("Открыть", "Файл отчета|*.frp", "");
    if (!path)
        return;
    std::string error;
    auto loaded = LoadPreparedReport(*path, error);
    if (!loaded) {
        CurrentPrompts().Message(kCaption, error, PromptIcon::Error);
        return;
    }
    SetReport(std::move(*loaded));
}

void TfrPreview::SaveClick() {
    const auto chosen =
        CurrentPrompts().ChooseSaveFile("Сохранить", "Файл отчета|*.frp|Файл PDF|*.pdf", "");
    if (!chosen)
        return;
    std::string path = *chosen;
    const std::string ext = ExtractFileExt(path);
    std::string error;
    bool saved;
    if (ext == ".pdf" || ext == ".PDF") {
        saved = ExportPdf(report_, path, error);
    } else {
        if (ext != ".frp")
            path += ".frp";
        saved = SavePreparedReport(report_, path, error);
    }
    if (!saved)
        CurrentPrompts().Message(kCaption, error, PromptIcon::Error);
}

void TfrPreview::PrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const bool landscape =
        !report_.pages.empty() && report_.pages.front().width > report_.pages.front().height;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintReport(printer, report_))
        CurrentPrompts().Message(kCaption, "Не удалось начать печать", PromptIcon::Error);
}

void TfrPreview::HelpClick() {
    CurrentPrompts().Message("Справка", kHelpText);
}
