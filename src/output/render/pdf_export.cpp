// PDF export of a prepared report through a cairo PDF surface.
#include "output/render/pdf_export.h"

#include <cairo-pdf.h>

#include "output/render/pango_text.h"
#include "platform/files.h"

namespace {

// PDF points per page unit (1/72 inch over 1/96 inch).
constexpr double kPointsPerUnit = 72.0 / 96.0;

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool ExportPdf(const PreparedReport& report, const std::string& path, std::string& error) {
    if (report.pages.empty()) {
        error = "Отчет не содержит страниц";
        return false;
    }
    std::string pdf;
    const PreparedPage& first = report.pages.front();
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(
        AppendToString, &pdf, first.width * kPointsPerUnit, first.height * kPointsPerUnit);
    cairo_t* cr = cairo_create(surface);
    for (const PreparedPage& page : report.pages) {
        cairo_pdf_surface_set_size(surface, page.width * kPointsPerUnit,
                                   page.height * kPointsPerUnit);
        cairo_save(cr);
        cairo_scale(cr, kPointsPerUnit, kPointsPerUnit);
        DrawPage(cr, page);
        cairo_restore(cr);
        cairo_show_page(cr);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = std::string("Ошибка формирования PDF: ") + cairo_status_to_string(status);
        return false;
    }
    if (!WriteFileAtomic(path, pdf)) {
        error = "Не удалось записать файл " + path;
        return false;
    }
    return true;
}
