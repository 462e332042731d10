// Text measuring and drawing with pango: one context, the same font options for every
// surface, so the layout, the preview, printing and PDF place text alike.
#pragma once

#include <cairo.h>

#include <string>

#include "output/engine/prepared_report.h"

// Inner distance between a text box's edges and its text, in page units.
constexpr double kTextPadX = 2;
constexpr double kTextPadY = 1;

struct FontSpec {
    std::string name;
    double size = 10;  // points
    int style = 0;     // kFontItalic | kFontBold
};

// Height of the text wrapped to the given box width, with the box's inner padding.
double TextBoxHeight(const FontSpec& font, const std::string& text, double boxWidth);

// Draws a whole page on a cairo context whose user space is in page units: white paper, the
// texts of its boxes (clipped to their boxes), then their frames.
void DrawPage(cairo_t* cr, const PreparedPage& page);
