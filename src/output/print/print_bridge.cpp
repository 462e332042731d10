// The print cursor, its datasets and the value callback of the blank.
#include "output/print/print_bridge.h"

#include <algorithm>
#include <cstdio>

#include "output/engine/prepare_report.h"
#include "output/print/print_codes.h"

namespace {

bool HeaderFits(const SpecialHeader& header, const ReportTable& table) {
    return header.Columns() == int(table.Columns.size()) && header.Rows() >= 1 &&
           header.GridColWidths.size() == size_t(header.GridColCount) &&
           header.Cells.size() == size_t(header.Columns()) * size_t(header.Rows());
}

ReportValue Int(int value) {
    return int64_t(value);
}

}  // namespace

PrintBridge::PrintBridge(const PrintState& state) : state_(state), header_(&state.Header) {
    if (!HeaderFits(state.Header, state.Table)) {
        BuildDefaultHeader(defaultHeader_, state.Table, state.RepO.HeaderOpt, {});
        header_ = &defaultHeader_;
    }
    headerRowHeight_ = HeaderRowHeight(ReportFontName(state.RepO.FontNameIndex),
                                       ReportFontSize(state.RepO.FontSizeIndex));
    const int columnCount = int(state.Table.Columns.size());
    const int rowCount = state.Table.RowCount();
    columns_ = {[this] { cursor_.column = 0; }, [this] { ++cursor_.column; },
                [this, columnCount] { return cursor_.column > columnCount - 1; }};
    rows_ = {[this] { cursor_.row = 1; }, [this] { ++cursor_.row; },
             [this, rowCount] { return cursor_.row > rowCount - 1; }};
    headerRows_ = {[this] { cursor_.headerRow = 0; }, [this] { ++cursor_.headerRow; },
                   [this] { return cursor_.headerRow > header_->GridRowCount - 2; }};
    template_ = MakeReportTemplate(columns_, rows_, headerRows_);
    SetUpPage(template_, state.RepO);
    callbacks_.GetValue = [this](const std::string& name) { return frReport1GetValue(name); };
    callbacks_.PrintColumn = [this](int k) { return frReport1PrintColumn(k); };
}

std::optional<double> PrintBridge::frReport1PrintColumn(int k) const {
    if (k < 1 || k > int(state_.Table.Columns.size()))
        return std::nullopt;
    return state_.Table.Columns[size_t(k - 1)].Width;
}

ReportValue PrintBridge::frReport1GetValue(const std::string& name) const {
    if (name.starts_with('k'))  // kText, kWidth, …, kfrW
        return HeaderValue(name);
    if (ReportValue value = CellValue(name); !std::holds_alternative<std::monostate>(value))
        return value;
    return PageValue(name);
}

// The summary row prints in the summary style, or only its caption does (the columns up to
// the date column) with "Только надпись".
bool PrintBridge::SummaryStyle() const {
    return cursor_.row == state_.Table.SummaryRow() &&
           (!state_.RepO.SummaryOnly || cursor_.column <= state_.Table.DateColumn());
}

ReportValue PrintBridge::CellValue(const std::string& name) const {
    const ReportTable& table = state_.Table;
    if (cursor_.column < 0 || cursor_.column >= int(table.Columns.size()) || cursor_.row < 0 ||
        cursor_.row >= table.RowCount())
        return {};
    const TableColumn& column = table.Columns[size_t(cursor_.column)];
    if (name == "texCell")
        return table.Cell(cursor_.column, cursor_.row);
    if (name == "WCell")
        return Int(column.Width);
    if (name == "frW") {
        return Int(cursor_.row == table.SummaryRow() ? FrameLineWidth(state_.RepO.SummaryOpt.Frame)
                                                     : 1);
    }
    const OptionTriple& look = SummaryStyle() ? state_.RepO.SummaryOpt : column.Options;
    if (name == "fStyle")
        return Int(EngineStyle(look.Style));
    if (name == "fAlign")
        return AlignName(look.Align);
    return {};
}

const S_Thead* PrintBridge::HeaderCell() const {
    const int index = FindCell(*header_, cursor_.column, cursor_.headerRow);
    return index == kNoHeaderCell ? nullptr : &header_->Cells[size_t(index)];
}

ReportValue PrintBridge::HeaderValue(const std::string& name) const {
    const bool special = state_.RepI.SpecialHeader;
    const OptionTriple& tableHead = state_.RepO.TabHeadOpt;
    if (name == "kfrW")
        return Int(FrameLineWidth(tableHead.Frame));
    if (name == "kStret")
        return Int(special ? 0 : 1);
    const S_Thead* cell = HeaderCell();
    if (!cell)
        return {};
    if (name == "kText")
        return cell->text;
    if (name == "kWidth") {
        // The header grid's columns follow the table's widths; summing the table's keeps the
        // header lined up with the body even before the grid has caught up with a resize.
        const int end =
            std::min(cursor_.column + std::max(cell->colspan, 1), int(state_.Table.Columns.size()));
        int width = 0;
        for (int c = cursor_.column; c < end; ++c)
            width += state_.Table.Columns[size_t(c)].Width;
        return Int(width);
    }
    if (name == "kHeight")
        return Int(HeaderCellHeight(*header_, cursor_.column, cursor_.headerRow, headerRowHeight_));
    if (name == "kVis")
        return Int(cell->rowspan >= 1 && cell->colspan >= 1 ? 1 : 0);
    if (name == "kFStyle")
        return Int(EngineStyle(special ? cell->fstyle : tableHead.Style));
    if (name == "kAlign")
        return AlignName(special ? cell->align : tableHead.Align);
    return {};
}

ReportValue PrintBridge::PageValue(const std::string& name) const {
    const S_repO& o = state_.RepO;
    if (name == "ftFName")
        return std::string(ReportFontName(o.FontNameIndex));
    if (name == "ftFSize")
        return Int(ReportFontSize(o.FontSizeIndex));
    if (name == "formP")
        return Int(o.Portrait ? kPortraitLineWidth : kLandscapeLineWidth);
    if (name == "title")
        return state_.Title;
    if (name == "header")
        return state_.HeaderText;
    if (name == "footer")
        return state_.FooterText;
    if (name == "ftStyle")
        return Int(EngineStyle(o.TitleOpt.Style));
    if (name == "fhStyle")
        return Int(EngineStyle(o.HeaderOpt.Style));
    if (name == "ffStyle")
        return Int(EngineStyle(o.FooterOpt.Style));
    if (name == "ftAlign")
        return AlignName(o.TitleOpt.Align);
    if (name == "fhAlign")
        return AlignName(o.HeaderOpt.Align);
    if (name == "ffAlign")
        return AlignName(o.FooterOpt.Align);
    if (name == "ZavN" && o.PrintSerialNumber) {
        char serial[8];
        std::snprintf(serial, sizeof serial, "%04X", unsigned(state_.RepI.SerialNumber));
        return "Заводской номер: " + std::string(serial);
    }
    if (name == "TipM" && o.PrintModuleType)
        return "Тип модуля: " + state_.RepI.ModuleType;
    if (name == "PageN" && o.PageNumber > 0)
        return std::string("[PAGE#]");
    if (name == "pnAlign") {
        if (std::string align = PageNumberAlignName(o.PageNumber); !align.empty())
            return align;
    }
    return {};
}

PreparedReport PrepareBlank(const PrintState& state) {
    PrintBridge bridge(state);  // the datasets move its cursor
    return PrepareReport(bridge.Template(), bridge.Callbacks());
}
