// Shrinking a window that would not fit the desktop work area.
#pragma once

struct WindowSize {
    int width = 0;
    int height = 0;
};

// The desktop work area (the screen without the task bar); right and bottom are the
// coordinates just past the area.
struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A window whose height plus 100 exceeds the work area's bottom loses 100 pixels of height;
// independently, one whose width plus 100 exceeds the right edge loses 100 of width. One step
// at most in each direction.
WindowSize FitToWorkArea(WindowSize size, const WorkArea& area);
