// Driving the report view window for a screenshot of a read report.
#include "output/ui/report_view_screenshot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

#include "output/ui/report_view_window.h"
#include "platform/files.h"
#include "shell/program_state.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"

namespace {

std::optional<TDateTime> ParseTime(const QString& text) {
    const QDateTime t = QDateTime::fromString(text, "yyyy-MM-dd HH:mm");
    if (!t.isValid())
        return std::nullopt;
    return EncodeDateTime(t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                          t.time().minute(), 0);
}

// Selects and reads the report in the shown window; the error text, "" on success.
std::string ReadReport(TAprosmOt* view, const ViewScreenshotRequest& request) {
    const QStringList parts = request.Report.split('/');
    const auto from = ParseTime(request.From), to = ParseTime(request.To);
    if (parts.size() != 2 || !from || !to)
        return "--view-report MODULE/REPORT --from \"yyyy-MM-dd HH:mm\" --to \"yyyy-MM-dd HH:mm\"";
    const std::string moduleDir = JoinPath(Shell().ModulesDir, parts[0].toStdString());
    const std::string report =
        JoinPath(JoinPath(moduleDir, "Reports"), parts[1].toStdString() + ".ini");
    if (!view->SelTreeNode(moduleDir, report))
        return "no report " + request.Report.toStdString() + " in the report view";
    view->SetPickerTimes(*from, *to);
    view->Button1->click();
    if (view->PageControl1->currentWidget() != view->TabData)
        return "reading failed: " + view->LabelError->text().toStdString();
    return "";
}

}  // namespace

void TakeReportViewScreenshot(const QString& file, const ViewScreenshotRequest& request) {
    auto started = std::make_shared<bool>(false);
    TForm1* form = AppWindows().Form1;
    QObject::connect(form, &TForm1::activationFinished, form, [file, request, started, form] {
        if (std::exchange(*started, true))
            return;
        TAprosmOt* view = AppWindows().AprosmOt;
        QTimer::singleShot(0, form, [file, request, view, form] {
            QTimer::singleShot(0, view, [file, request, view] {
                const std::string error = ReadReport(view, request);
                bool saved = false;
                if (error.empty())
                    saved = view->grab().save(file, "PNG");
                if (saved)
                    std::printf("Window \"%s\" saved as %s\n", qPrintable(view->windowTitle()),
                                qPrintable(file));
                else
                    std::fprintf(stderr, "velorm: %s\n",
                                 error.empty() ? ("cannot write " + file.toStdString()).c_str()
                                               : error.c_str());
                QCoreApplication::exit(saved ? 0 : 1);
            });
            form->MenuItem4Click();
        });
    });
}
