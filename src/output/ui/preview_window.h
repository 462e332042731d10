// The preview of a prepared report: pages with zoom, find, load and save (".frp", ".pdf"),
// printing, help and close.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <optional>

#include "output/engine/prepared_report.h"

class QPrinter;

// Prints every page of the report on the printer's pages, each drawn by the report renderer
// at the printer's resolution. False when the printer cannot be started.
bool PrintReport(QPrinter& printer, const PreparedReport& report);

// A page drawn by the report renderer at the given zoom (1 is 96 dots per inch).
QImage PageImage(const PreparedPage& page, double zoom);

class TfrPreview : public QDialog {
    Q_OBJECT
  public:
    explicit TfrPreview(QWidget* parent = nullptr);

    void SetReport(PreparedReport report);
    const PreparedReport& Report() const { return report_; }
    int CurrentPage() const { return page_; }
    void ShowPage(int index);
    double Zoom() const { return zoom_; }
    // The text box a search found on the current page, if any.
    std::optional<size_t> FoundItem() const { return found_; }

    // Toolbar commands.
    void FindNext();    // "Найти": the next box holding the search text, wrapping around
    void LoadClick();   // "Открыть": a ".frp" file
    void SaveClick();   // "Сохранить": ".frp", or PDF when the name ends in ".pdf"
    void PrintClick();  // "Печать": the print dialog, then the pages
    void HelpClick();   // "Справка"

    QComboBox* ZoomBox;
    QPushButton* PrevButton;
    QPushButton* NextButton;
    QLabel* PageLabel;
    QLineEdit* FindEdit;
    QPushButton* FindButton;
    QPushButton* LoadButton;
    QPushButton* SaveButton;
    QPushButton* PrintButton;
    QPushButton* HelpButton;
    QPushButton* CloseButton;
    QLabel* PageView;
    QLabel* StatusLabel;

  private:
    void Redraw();
    void ZoomChanged();

    PreparedReport report_;
    int page_ = 0;
    double zoom_ = 1;
    std::optional<size_t> found_;
    QScrollArea* scroll_;
};
