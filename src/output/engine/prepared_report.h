// The prepared report: pages of positioned text boxes, ready to render or to store.
#pragma once

#include <string>
#include <vector>

#include "output/engine/report_template.h"

struct TextItem {
    double x = 0, y = 0, width = 0, height = 0;
    std::string text;
    std::string fontName;
    double fontSize = 10;
    int fontStyle = 0;
    TextAlign alignment = TextAlign::Left;
    int frameSides = 0;
    double frameWidth = 1;
};

struct PreparedPage {
    double width = 0, height = 0;
    std::vector<TextItem> items;
};

struct PreparedReport {
    std::vector<PreparedPage> pages;
};
