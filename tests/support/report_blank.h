// A report blank made in code the way the print bridge makes it: title, module lines,
// header text, a framed table (header repeated on every page, summary row last), signature
// lines and page numbers, answered from a plain table.
#pragma once

#include <string>
#include <vector>

#include "output/engine/report_template.h"

struct BlankHeaderCell {
    std::string text;
    int rowspan = 1;  // 0 or less: covered by a merge
    int colspan = 1;
};

struct BlankTable {
    std::string title = "Отчет о теплопотреблении";
    std::string header = "Потребитель: ООО \"Тепло\"\nАдрес: ул. Ленина, 1";
    std::string footer = "Ответственный: ____________ / Иванов И.И. /";
    std::string moduleType = "Zemra-100";
    int serial = 0x00A1;
    std::vector<double> widths;
    // Header rows of cells, one cell per column; one plain row of titles when not special.
    std::vector<std::vector<BlankHeaderCell>> headerRows;
    bool specialHeader = false;
    double headerRowHeight = 20;
    // Data rows, the summary row last.
    std::vector<std::vector<std::string>> rows;
    Orientation orientation = Orientation::Portrait;
    std::string fontName = "Arial";
    int fontSize = 10;
    int pageNumberPos = 1;  // 0 none, 1 centre, 2 right, 3 left
};

// Columns "Дата", "Q, Гкал", ... with made-up values: rowCount data rows and a summary row.
BlankTable SampleTable(int rowCount, int columnCount);

// Owns the template, the three datasets and the print cursor over one table.
class ReportBlank {
  public:
    explicit ReportBlank(BlankTable table);
    ReportBlank(const ReportBlank&) = delete;
    ReportBlank& operator=(const ReportBlank&) = delete;

    const ReportTemplate& Template() const { return template_; }
    const ReportCallbacks& Callbacks() const { return callbacks_; }

  private:
    ReportValue Value(const std::string& name) const;
    void Build();

    BlankTable table_;
    int column_ = 0;
    int row_ = 0;
    int headerRow_ = 0;
    UserDataset columns_;
    UserDataset rows_;
    UserDataset headerRows_;
    ReportTemplate template_;
    ReportCallbacks callbacks_;
};
