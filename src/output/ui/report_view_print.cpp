// The report view window's preview and PDF export of the blank it shows.
#include "output/header/header_file.h"
#include "output/print/pdf_naming.h"
#include "output/print/pdf_save.h"
#include "output/print/print_bridge.h"
#include "output/ui/preview_window.h"
#include "output/ui/report_view_window.h"
#include "platform/prompts.h"
#include "reports/report_records.h"
#include "reports/report_settings.h"

PrintState TAprosmOt::SavedPrintState() {
    const ReportRecords& records = CurrentReport();
    SaveReportSettings(records);
    SaveHeader(header_, records);
    return MakePrintState(table_, records, header_);
}

void TAprosmOt::ButtonPrepareClick() {
    TfrPreview preview(this);
    preview.setObjectName("frPreview");
    preview.SetReport(PrepareBlank(SavedPrintState()));
    preview.exec();
}

void TAprosmOt::Button2Click() {
    if (const auto name =
            GeneratePdfName(table_, controllerName_, CurrentReport().RepI.SerialNumber))
        Edit4->setText(QString::fromStdString(*name));
}

void TAprosmOt::Button4Click() {
    const PdfSaveResult saved = ExportPdf(SavedPrintState(), CurrentPrompts());
    if (!saved.Error.empty())
        CurrentPrompts().Message("Velorm: Сообщение", saved.Error, PromptIcon::Error);
}
