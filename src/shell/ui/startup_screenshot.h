// "--screenshot FILE.png": a picture of the first window the user gets at start-up.
#pragma once

#include <QString>

// Once the main window's first activation has run (or the path dialog it opened has taken the
// settings), grabs that window to file when the pending events are handled and ends the
// program with 0 (1 when the picture could not be written).
void TakeStartupScreenshot(const QString& file);
