// Writing the blank of a built report as a PDF file for velorm-cli.
#include "cli/report_pdf.h"

#include <cstdio>

#include "model/queue/task_cl.h"
#include "output/header/header_session.h"
#include "output/print/print_bridge.h"
#include "output/reading/module_files.h"
#include "output/render/pdf_export.h"
#include "output/view/report_context.h"

int WriteReportPdf(const ReportTable& table, ReportRecords records, const std::string& path) {
    const Task_CL queue(FirstModuleFile(records.RepI.ModuleDir, ".tsk"));
    TakeModuleIdentity(records.RepI, queue);
    SpecialHeader header;
    SetUpHeader(header, table, records);
    std::string error;
    if (!ExportPdf(PrepareBlank(MakePrintState(table, records, header)), path, error)) {
        std::fprintf(stderr, "velorm-cli report: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
