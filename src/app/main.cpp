// velorm: the desktop program.
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "output/ui/report_view_screenshot.h"
#include "platform/event_pump.h"
#include "platform/format_settings.h"
#include "platform/prompts.h"
#include "shell/ui/main_window.h"
#include "shell/ui/program_windows.h"
#include "shell/ui/qt_prompts.h"
#include "shell/ui/startup_screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velorm");

    QString screenshot;
    ViewScreenshotRequest view;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--screenshot" && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (args[i] == "--view-report" && i + 1 < args.size()) {
            view.Report = args[++i];
        } else if (args[i] == "--from" && i + 1 < args.size()) {
            view.From = args[++i];
        } else if (args[i] == "--to" && i + 1 < args.size()) {
            view.To = args[++i];
        } else {
            std::fprintf(stderr,
                         "usage: velorm [--screenshot FILE.png [--view-report MODULE/REPORT "
                         "--from \"yyyy-MM-dd HH:mm\" --to \"yyyy-MM-dd HH:mm\"]]\n");
            return 2;
        }
    }

    CurrentFormatSettings() = SystemFormatSettings();
    SetEventPump([] { QCoreApplication::processEvents(); });
    QtPrompts prompts;
    SetPrompts(&prompts);

    CreateProgramWindows();
    if (!screenshot.isEmpty() && !view.Report.isEmpty())
        TakeReportViewScreenshot(screenshot, view);
    else if (!screenshot.isEmpty())
        TakeStartupScreenshot(screenshot);
    AppWindows().Form1->show();
    const int result = QApplication::exec();

    DestroyProgramWindows();
    SetPrompts(nullptr);
    SetEventPump(nullptr);
    return result;
}
