// Placing laid-out band rows on pages.
#include "output/engine/prepare_report.h"

#include <algorithm>

#include "output/engine/object_script.h"

namespace {

const std::vector<LaidRow>& RowsOf(const std::vector<LaidBand>& bands, BandKind kind) {
    static const std::vector<LaidRow> none;
    for (const LaidBand& band : bands) {
        if (band.kind == kind)
            return band.rows;
    }
    return none;
}

double TotalHeight(const std::vector<LaidRow>& rows) {
    double total = 0;
    for (const LaidRow& row : rows)
        total += row.height;
    return total;
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (size_t pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + with.size()))
        text.replace(pos, what.size(), with);
}

class PageMaker {
  public:
    PageMaker(const std::vector<LaidBand>& bands, const PageSetup& page)
        : setup_(page),
          pageHeader_(RowsOf(bands, BandKind::PageHeader)),
          pageFooter_(RowsOf(bands, BandKind::PageFooter)),
          width_(PaperWidth(page)),
          height_(PaperHeight(page)),
          footerTop_(height_ - page.margins.bottom - TotalHeight(pageFooter_)) {}

    void Run(const std::vector<LaidBand>& bands) {
        StartPage(RowsOf(bands, BandKind::ReportTitle));
        for (size_t b = 0; b < bands.size(); ++b) {
            const LaidBand& band = bands[b];
            if (band.kind == BandKind::ReportTitle || band.kind == BandKind::PageHeader ||
                band.kind == BandKind::PageFooter)
                continue;
            if (band.repeatOnEveryPage) {
                PlaceRepeated(band, b + 1 < bands.size() ? &bands[b + 1] : nullptr);
                continue;
            }
            for (const LaidRow& row : band.rows)
                Place(row);
            repeated_ = nullptr;
        }
        FinishPage();
    }

    PreparedReport Take() { return std::move(report_); }

  private:
    void StartPage(const std::vector<LaidRow>& before) {
        report_.pages.push_back({width_, height_, {}});
        y_ = setup_.margins.top;
        for (const LaidRow& row : before)
            Put(row);
        for (const LaidRow& row : pageHeader_)
            Put(row);
        bodyTop_ = y_;
    }

    void FinishPage() {
        y_ = footerTop_;
        for (const LaidRow& row : pageFooter_)
            Put(row);
        const std::string number = std::to_string(report_.pages.size());
        for (TextItem& item : report_.pages.back().items)
            ReplaceAll(item.text, kPageNumberMarker, number);
    }

    // A repeated band is printed again only while it leaves at least half the page body.
    void NewPage() {
        FinishPage();
        StartPage({});
        if (repeated_ && TotalHeight(*repeated_) <= (footerTop_ - bodyTop_) / 2) {
            for (const LaidRow& row : *repeated_)
                Put(row);
            bodyTop_ = y_;
        }
    }

    // A repeated band goes to a new page unless it fits here with the next band's first row.
    void PlaceRepeated(const LaidBand& band, const LaidBand* next) {
        repeated_ = nullptr;
        double need = TotalHeight(band.rows);
        if (next && !next->rows.empty())
            need += next->rows.front().height;
        if (y_ + need > footerTop_ && y_ > bodyTop_)
            NewPage();
        for (const LaidRow& row : band.rows)
            Place(row);
        repeated_ = &band.rows;
    }

    void Place(const LaidRow& row) {
        if (y_ + row.height > footerTop_ && y_ > bodyTop_)
            NewPage();
        const double room = footerTop_ - y_;
        if (row.height <= room) {
            Put(row);
            return;
        }
        LaidRow cut = row;
        cut.height = std::max(0.0, room);
        for (TextItem& item : cut.items)
            item.height = std::min(item.height, std::max(0.0, room - item.y));
        Put(cut);
    }

    // Puts a row at the cursor; boxes without text and frame are left out.
    void Put(const LaidRow& row) {
        std::vector<TextItem>& items = report_.pages.back().items;
        for (const TextItem& item : row.items) {
            if (item.text.empty() && item.frameSides == 0)
                continue;
            items.push_back(item);
            items.back().y += y_;
        }
        y_ += row.height;
    }

    const PageSetup& setup_;
    const std::vector<LaidRow>& pageHeader_;
    const std::vector<LaidRow>& pageFooter_;
    const double width_;
    const double height_;
    const double footerTop_;
    const std::vector<LaidRow>* repeated_ = nullptr;
    double y_ = 0;
    double bodyTop_ = 0;
    PreparedReport report_;
};

}  // namespace

PreparedReport PaginateBands(const std::vector<LaidBand>& bands, const PageSetup& page) {
    PageMaker maker(bands, page);
    maker.Run(bands);
    return maker.Take();
}

PreparedReport PrepareReport(const ReportTemplate& report, const ReportCallbacks& callbacks) {
    return PaginateBands(LayOutBands(report, callbacks), report.page);
}
