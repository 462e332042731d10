// "--screenshot FILE.png": a picture of the first window the user gets at start-up.
#include "shell/ui/startup_screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "shell/ui/main_window.h"
#include "shell/ui/path_dialog.h"
#include "shell/ui/program_windows.h"

void TakeStartupScreenshot(const QString& file) {
    auto taken = std::make_shared<bool>(false);
    auto grab = [file, taken](QWidget* window) {
        if (std::exchange(*taken, true))
            return;
        QTimer::singleShot(0, window, [file, window] {
            const bool saved = window->grab().save(file, "PNG");
            if (saved)
                std::printf("Window \"%s\" saved as %s\n", qPrintable(window->windowTitle()),
                            qPrintable(file));
            else
                std::fprintf(stderr, "velorm: cannot write %s\n", qPrintable(file));
            // Ends every running event loop, a modal dialog's included.
            QCoreApplication::exit(saved ? 0 : 1);
        });
    };
    const ProgramWindows& w = AppWindows();
    QObject::connect(w.AwayBd, &TAwayBd::activatedForEditing, w.AwayBd,
                     [grab, dialog = w.AwayBd] { grab(dialog); });
    QObject::connect(w.Form1, &TForm1::activationFinished, w.Form1,
                     [grab, form = w.Form1] { grab(form); });
}
