// A report table and records made in code.
#include "support/print_fixture.h"

#include <cstdio>

#include "output/header/header_model.h"
#include "output/print/print_bridge.h"
#include "reports/report_keys.h"

ReportTable SampleReportTable(int periods, int dataColumns) {
    ReportTable table;
    table.Periods = periods;
    table.Ids.Ids[1] = kDateColumnId;
    const auto column = [&table](const std::string& title, int width) {
        TableColumn c;
        c.Title = title;
        c.Width = width;
        c.Cells.assign(size_t(table.Periods) + 2, "");
        c.Cells[0] = title;
        return c;
    };
    TableColumn dates = column("Дата", 110);
    for (int r = 0; r < periods; ++r) {
        char label[32];
        std::snprintf(label, sizeof label, "%02d.11.15 %02d:00", 1 + r / 24 % 28, r % 24);
        dates.Cells[size_t(r) + 1] = label;
        table.LabelRows.emplace(label, r + 1);
    }
    dates.Cells[size_t(table.SummaryRow())] = "Итого";
    table.Columns.push_back(dates);
    for (int c = 1; c <= dataColumns; ++c) {
        TableColumn values = column("Пар. " + std::to_string(c), 52);
        values.Options.Align = taRight;
        for (int r = 0; r < periods; ++r) {
            values.Cells[size_t(r) + 1] =
                std::to_string((r * 7 + c * 13) % 1000) + "," + std::to_string(c % 10);
        }
        values.Cells[size_t(table.SummaryRow())] = std::to_string(c * 1000 + periods);
        table.Columns.push_back(values);
        AddColumnId(table.Ids, 100 + c);
    }
    return table;
}

ReportRecords SampleRecords(const std::string& moduleReportPath) {
    ReportRecords records;
    records.Loaded = true;
    records.RepI.ModuleReportPath = moduleReportPath;
    records.RepI.ModuleType = "Zemra-100";
    records.RepI.SerialNumber = 0x00A1;
    S_repO& o = records.RepO;
    o.Title = "Отчет о теплопотреблении";
    o.Header = {"Потребитель: ООО \"Тепло\"", "Адрес: ул. Ленина, 1"};
    o.Footer = {"Ответственный: ____________ / Иванов И.И. /"};
    o.SummaryCaption = "Итого";
    o.TitleOpt = {taCenter, kStyleBold, flNormal};
    o.TabHeadOpt = {taCenter, kStyleBold, flNormal};
    o.SummaryOpt = {taLeft, kStyleBold, flBold};
    o.PrintSerialNumber = true;
    o.PrintModuleType = true;
    o.PageNumber = pnCenter;
    return records;
}

PreparedReport PrepareSampleBlank(int periods, int dataColumns) {
    const ReportTable table = SampleReportTable(periods, dataColumns);
    const ReportRecords records = SampleRecords();
    SpecialHeader header;
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, {});
    return PrepareBlank(MakePrintState(table, records, header));
}

std::vector<const TextItem*> ItemsWithText(const PreparedPage& page, const std::string& text) {
    std::vector<const TextItem*> found;
    for (const TextItem& item : page.items) {
        if (item.text == text)
            found.push_back(&item);
    }
    return found;
}
