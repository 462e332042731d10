// Shrinking a window that would not fit the desktop work area.
#include "shell/work_area.h"

namespace {
constexpr int kMargin = 100;
}

WindowSize FitToWorkArea(WindowSize size, const WorkArea& area) {
    if (size.height + kMargin > area.bottom)
        size.height -= kMargin;
    if (size.width + kMargin > area.right)
        size.width -= kMargin;
    return size;
}
