// Running bands over their datasets and measuring their text boxes.
#include "output/engine/band_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "output/engine/object_script.h"
#include "output/engine/text_clean.h"
#include "output/render/pango_text.h"

namespace {

// Runs body once per record of the dataset, or once when there is none.
template <typename Body>
void ForEachRecord(UserDataset* dataset, Body body) {
    if (!dataset) {
        body();
        return;
    }
    if (dataset->First)
        dataset->First();
    while (dataset->CheckEOF && !dataset->CheckEOF()) {
        body();
        if (!dataset->Next)
            break;
        dataset->Next();
    }
}

// A box for the evaluated properties at x, y; its height is measured when it stretches.
TextItem MakeItem(const TextProps& props, double x, double y) {
    TextItem item;
    item.x = x;
    item.y = y;
    item.width = props.width;
    item.text = CleanText(props.text);
    item.fontName = props.fontName;
    item.fontSize = props.fontSize;
    item.fontStyle = props.fontStyle;
    item.alignment = props.alignment;
    item.frameSides = props.frameSides;
    item.frameWidth = props.frameWidth;
    item.height = props.stretched ? TextBoxHeight({props.fontName, props.fontSize, props.fontStyle},
                                                  item.text, props.width)
                                  : props.height;
    return item;
}

LaidRow PlainRow(const Band& band, const ReportCallbacks& callbacks) {
    LaidRow row;
    for (const TextObject& object : band.objects) {
        const TextProps props = EvaluateObject(object, callbacks);
        if (!props.visible)
            continue;
        row.items.push_back(MakeItem(props, props.left, props.top));
        row.height = std::max(row.height, props.top + row.items.back().height);
    }
    return row;
}

LaidRow CrossTabRow(const Band& band, const ReportTemplate& report,
                    const ReportCallbacks& callbacks) {
    LaidRow row;
    std::vector<bool> stretches;
    double x = report.page.margins.left;
    int k = 1;
    ForEachRecord(band.columns, [&] {
        double step = 0;
        for (const TextObject& object : band.objects) {
            const TextProps props = EvaluateObject(object, callbacks);
            step = std::max(step, props.width);
            if (!props.visible)
                continue;
            row.items.push_back(MakeItem(props, x + props.left, props.top));
            stretches.push_back(props.stretched);
        }
        if (callbacks.PrintColumn)
            step = callbacks.PrintColumn(k).value_or(step);
        x += step;
        ++k;
    });
    double tallestStretched = 0;
    double lowestFixed = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < row.items.size(); ++i) {
        if (stretches[i])
            tallestStretched = std::max(tallestStretched, row.items[i].height);
        else
            lowestFixed = std::min(lowestFixed, row.items[i].height);
    }
    row.height = std::max(tallestStretched, std::isinf(lowestFixed) ? 0.0 : lowestFixed);
    for (size_t i = 0; i < row.items.size(); ++i) {
        if (stretches[i])
            row.items[i].height = row.height;
    }
    return row;
}

}  // namespace

std::vector<LaidBand> LayOutBands(const ReportTemplate& report, const ReportCallbacks& callbacks) {
    std::vector<LaidBand> laid;
    for (const Band& band : report.bands) {
        LaidBand out{band.kind, band.repeatOnEveryPage, {}};
        ForEachRecord(band.dataset, [&] {
            out.rows.push_back(band.columns ? CrossTabRow(band, report, callbacks)
                                            : PlainRow(band, callbacks));
        });
        laid.push_back(std::move(out));
    }
    return laid;
}
