// Fitting windows to the desktop work area of the primary screen.
#include "shell/ui/window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/work_area.h"

void FitWindowToWorkArea(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect g = screen->availableGeometry();
    const WindowSize fitted = FitToWorkArea({window->width(), window->height()},
                                            {g.x(), g.y(), g.x() + g.width(), g.y() + g.height()});
    window->resize(fitted.width, fitted.height);
}
