// Alignment names and font style integers of the report engine.
#include "output/print/print_codes.h"

#include "output/engine/report_template.h"
#include "reports/option_triple.h"
#include "reports/report_records.h"

std::string AlignName(int align) {
    if (align == taCenter)
        return "taCenter";
    return align == taRight ? "taRightJustify" : "taLeftJustify";
}

int EngineStyle(int style) {
    return ((style & kStyleBold) ? kFontBold : 0) | ((style & kStyleItalic) ? kFontItalic : 0);
}

std::string PageNumberAlignName(int position) {
    switch (position) {
        case pnCenter:
            return "taCenter";
        case pnRight:
            return "taRightJustify";
        case pnLeft:
            return "taLeftJustify";
        default:
            return "";
    }
}
