// The print layout bridge: the report template of the blank, the print cursor with its three
// datasets, and the callbacks that answer the template's variables from the printed state.
#pragma once

#include <optional>
#include <string>

#include "output/engine/prepared_report.h"
#include "output/engine/report_template.h"
#include "output/header/header_model.h"
#include "output/print/print_state.h"

inline constexpr int kPortraitLineWidth = 645;   // formP of a portrait page
inline constexpr int kLandscapeLineWidth = 892;  // formP of a landscape page

// The template of the blank: title, module lines on every page, header text, a spacer line,
// the table header (cross-tab over the columns, one band run per header row, repeated on every
// page), the table body (cross-tab over the columns, one band run per row), the signature
// field and the page number on every page. The datasets are not owned.
ReportTemplate MakeReportTemplate(UserDataset& frColDataset, UserDataset& frRowDataset,
                                  UserDataset& frRowDataset2);

// A4, portrait for "Вертикально", landscape otherwise.
void SetUpPage(ReportTemplate& report, const S_repO& options);

// Height of a header row for the report's font: the font's line height (as the renderer
// measures it) plus 4.
int HeaderRowHeight(const std::string& fontName, int fontSize);

// Current table column, table row and header row while the engine runs the bands.
struct PrintCursor {
    int column = 0;
    int row = 0;
    int headerRow = 0;
};

// Owns the template, the cursor and the datasets over one printed state. A special header
// that does not fit the table (its column count or cell list) is replaced by the table's
// default header, so every header position has a cell.
class PrintBridge {
  public:
    explicit PrintBridge(const PrintState& state);
    PrintBridge(const PrintBridge&) = delete;
    PrintBridge& operator=(const PrintBridge&) = delete;

    const ReportTemplate& Template() const { return template_; }
    const ReportCallbacks& Callbacks() const { return callbacks_; }
    PrintCursor& Cursor() { return cursor_; }
    const SpecialHeader& Header() const { return *header_; }

    // The value of a template variable at the cursor; unset for unknown names.
    ReportValue frReport1GetValue(const std::string& name) const;
    // Width of cross-tab column k (from 1): the width of table column k − 1.
    std::optional<double> frReport1PrintColumn(int k) const;

  private:
    ReportValue CellValue(const std::string& name) const;
    ReportValue HeaderValue(const std::string& name) const;
    ReportValue PageValue(const std::string& name) const;
    const S_Thead* HeaderCell() const;
    bool SummaryStyle() const;

    const PrintState& state_;
    SpecialHeader defaultHeader_;
    const SpecialHeader* header_ = nullptr;
    int headerRowHeight_ = 0;
    PrintCursor cursor_;
    UserDataset columns_, rows_, headerRows_;
    ReportTemplate template_;
    ReportCallbacks callbacks_;
};

// Prepares the blank of the state: page setup, then the engine runs the template.
PreparedReport PrepareBlank(const PrintState& state);
