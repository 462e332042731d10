// A page of a prepared report drawn into pixels with cairo.
#include "output/render/raster_page.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "output/render/pango_text.h"

RasterImage RenderPageImage(const PreparedPage& page, double dpi) {
    const double scale = std::clamp(dpi, 1.0, kMaxRasterDpi) / 96.0;
    RasterImage image;
    image.width = std::max(1, int(std::ceil(page.width * scale)));
    image.height = std::max(1, int(std::ceil(page.height * scale)));
    image.stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width);
    image.pixels.assign(size_t(image.stride) * size_t(image.height), 0);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        image.pixels.data(), CAIRO_FORMAT_ARGB32, image.width, image.height, image.stride);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    DrawPage(cr, page);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
    return image;
}
