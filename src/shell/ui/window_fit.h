// Fitting windows to the desktop work area of the primary screen.
#pragma once

class QWidget;

// Shrinks the window as FitToWorkArea says for the primary screen's available area.
void FitWindowToWorkArea(QWidget* window);
