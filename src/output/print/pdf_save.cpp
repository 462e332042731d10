// Saving the blank as a PDF file.
#include "output/print/pdf_save.h"

#include "output/print/print_bridge.h"
#include "output/render/pdf_export.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "reports/path_names.h"

PdfSaveResult ExportPdf(const PrintState& state, Prompts& prompts) {
    PdfSaveResult result;
    const std::string& name = state.RepO.PdfFileName;
    const std::string& dir = state.RepO.PdfDir;
    if (Trim(name).empty())
        return result;
    std::string message;
    if (!CheckPathName(name, message)) {
        result.Error = "Ошибка экспорта в PDF: " + message;
        return result;
    }
    if (!dir.empty() && !CreateDirectoryPath(dir, message)) {
        result.Error = "Ошибка экспорта в PDF" + message;
        return result;
    }
    result.Path = dir.empty() ? name : JoinPath(dir, name);
    if (ExtractFileExt(name) != ".pdf")
        result.Path += ".pdf";
    if (FileExists(result.Path) &&
        prompts.Ask("Подтверждение", "Такой файл уже существует. Заменить?",
                    PromptButtons::OkCancel, PromptIcon::Question) != PromptAnswer::Ok)
        return result;
    std::string error;
    if (!ExportPdf(PrepareBlank(state), result.Path, error))
        result.Error = "Ошибка экспорта в PDF: " + error;
    else
        result.Written = true;
    return result;
}
