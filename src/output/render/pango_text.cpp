// Text measuring and drawing with pango over one shared context.
#include "output/render/pango_text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// One pango context for all layouts: page units are 1/96 inch, metrics are not hinted so
// text measures the same at every scale and on every surface.
class SharedPango {
  public:
    SharedPango() {
        options_ = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);
        context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
        pango_cairo_context_set_resolution(context_, 96);
        pango_cairo_context_set_font_options(context_, options_);
        layout_ = pango_layout_new(context_);
        pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    }
    SharedPango(const SharedPango&) = delete;
    SharedPango& operator=(const SharedPango&) = delete;

    const cairo_font_options_t* Options() const { return options_; }

    // The shared layout set up for the text, font, width and alignment.
    PangoLayout* Layout(const FontSpec& font, const std::string& text, double textWidth,
                        TextAlign align) {
        pango_layout_set_font_description(layout_, Font(font));
        pango_layout_set_width(layout_, int(std::max(1.0, textWidth) * PANGO_SCALE));
        pango_layout_set_alignment(layout_, align == TextAlign::Center  ? PANGO_ALIGN_CENTER
                                            : align == TextAlign::Right ? PANGO_ALIGN_RIGHT
                                                                        : PANGO_ALIGN_LEFT);
        pango_layout_set_text(layout_, text.data(), int(text.size()));
        return layout_;
    }

  private:
    PangoFontDescription* Font(const FontSpec& wanted) {
        auto key = std::make_tuple(wanted.name, wanted.size, wanted.style);
        auto it = fonts_.find(key);
        if (it != fonts_.end())
            return it->second;
        PangoFontDescription* font = pango_font_description_new();
        pango_font_description_set_family(font, wanted.name.c_str());
        pango_font_description_set_size(font, int(wanted.size * PANGO_SCALE));
        pango_font_description_set_weight(
            font, wanted.style & kFontBold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_style(
            font, wanted.style & kFontItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
        fonts_.emplace(key, font);
        return font;
    }

    cairo_font_options_t* options_;
    PangoContext* context_;
    PangoLayout* layout_;
    std::map<std::tuple<std::string, double, int>, PangoFontDescription*> fonts_;
};

SharedPango& Pango() {
    static SharedPango pango;
    return pango;
}

double LayoutHeight(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return double(logical.height) / PANGO_SCALE;
}

// Adds the item's frame sides to the current path.
void AddFrame(cairo_t* cr, const TextItem& item) {
    const double x0 = item.x, y0 = item.y, x1 = item.x + item.width, y1 = item.y + item.height;
    const std::tuple<int, double, double, double, double> sides[] = {
        {kFrameLeft, x0, y0, x0, y1},
        {kFrameTop, x0, y0, x1, y0},
        {kFrameRight, x1, y0, x1, y1},
        {kFrameBottom, x0, y1, x1, y1}};
    for (const auto& [side, ax, ay, bx, by] : sides) {
        if (!(item.frameSides & side))
            continue;
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
    }
}

bool HasFrame(const TextItem& item) {
    return item.frameSides != 0 && item.frameWidth > 0;
}

void DrawText(cairo_t* cr, const TextItem& item) {
    if (item.text.empty())
        return;
    PangoLayout* layout = Pango().Layout({item.fontName, item.fontSize, item.fontStyle}, item.text,
                                         item.width - 2 * kTextPadX, item.alignment);
    const double textHeight = LayoutHeight(layout);
    // Text that fits needs no clip; clipping every box makes PDF output slow.
    const bool clip = textHeight + 2 * kTextPadY > item.height;
    if (clip) {
        cairo_save(cr);
        cairo_rectangle(cr, item.x, item.y, item.width, item.height);
        cairo_clip(cr);
    }
    cairo_move_to(cr, item.x + kTextPadX,
                  item.y + std::max(kTextPadY, (item.height - textHeight) / 2));
    pango_cairo_show_layout(cr, layout);
    if (clip)
        cairo_restore(cr);
}

// Strokes the frames of the items, one path per frame width.
void StrokeFrames(cairo_t* cr, const std::vector<TextItem>& items) {
    std::vector<double> widths;
    for (const TextItem& item : items) {
        if (HasFrame(item) &&
            std::find(widths.begin(), widths.end(), item.frameWidth) == widths.end())
            widths.push_back(item.frameWidth);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (double width : widths) {
        for (const TextItem& item : items) {
            if (HasFrame(item) && item.frameWidth == width)
                AddFrame(cr, item);
        }
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
}

}  // namespace

double TextBoxHeight(const FontSpec& font, const std::string& text, double boxWidth) {
    PangoLayout* layout = Pango().Layout(font, text, boxWidth - 2 * kTextPadX, TextAlign::Left);
    return LayoutHeight(layout) + 2 * kTextPadY;
}

void DrawPage(cairo_t* cr, const PreparedPage& page) {
    cairo_set_font_options(cr, Pango().Options());
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, 0, 0, page.width, page.height);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (const TextItem& item : page.items)
        DrawText(cr, item);
    StrokeFrames(cr, page.items);
}
