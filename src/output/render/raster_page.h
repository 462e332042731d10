// A page of a prepared report drawn into pixels, for the preview and for printing.
#pragma once

#include <cstdint>
#include <vector>

#include "output/engine/prepared_report.h"

// 32-bit pixels, premultiplied ARGB in native byte order, rows of stride bytes.
struct RasterImage {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<uint8_t> pixels;
};

// Highest resolution a page is drawn at; higher requests are drawn at this one.
constexpr double kMaxRasterDpi = 1200;

// Draws the page at the given resolution (dots per inch).
RasterImage RenderPageImage(const PreparedPage& page, double dpi);
