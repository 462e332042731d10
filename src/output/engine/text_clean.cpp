// Cleaning of texts before they are laid out.
#include "output/engine/text_clean.h"

#include <glib.h>

std::string CleanText(const std::string& text) {
    gchar* valid = g_utf8_make_valid(text.data(), gssize(text.size()));
    std::string in(valid);
    g_free(valid);

    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        if (c == '\r') {
            out += '\n';
            if (i + 1 < in.size() && in[i + 1] == '\n')
                ++i;
        } else if (c < 0x20 && c != '\n' && c != '\t') {
            out += ' ';
        } else {
            out += char(c);
        }
    }
    if (out.size() > kMaxBoxTextBytes) {
        size_t cut = kMaxBoxTextBytes;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
        out += "…";
    }
    return out;
}
