// "--view-report": a picture of the report view window's data page with a report read.
#pragma once

#include <QString>

// What to read: MODULE/REPORT (a module directory name under ModulesDir and the base name of
// its module report file) and the period, both as "yyyy-MM-dd HH:mm".
struct ViewScreenshotRequest {
    QString Report;
    QString From;
    QString To;
};

// Once the main window's first activation has run, opens the report view window, selects the
// report, reads it and grabs the window to file; ends the program with 0 (1 when the report
// is not in the tree, the reading failed or the picture could not be written).
void TakeReportViewScreenshot(const QString& file, const ViewScreenshotRequest& request);
