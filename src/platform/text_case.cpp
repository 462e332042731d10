// Lower-casing UTF-8 text through the C library's Unicode tables of the C.UTF-8 locale.
#include "platform/text_case.h"

#include <locale.h>
#include <wctype.h>

namespace {

// The C.UTF-8 locale, made once; (locale_t)0 when the C library does not have it.
locale_t Utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}

// Decodes one code point at text[at]; the length is 0 for a byte that starts no valid
// sequence.
char32_t Decode(std::string_view text, size_t at, size_t& length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = 0;
    int count = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        count = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i <= count; ++i) {
        if (at + i >= text.size() || (byte(at + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    length = count + 1;
    return cp;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t Lower(char32_t cp) {
    if (cp < 0x80)
        return (cp >= 'A' && cp <= 'Z') ? cp + ('a' - 'A') : cp;
    const locale_t locale = Utf8Locale();
    if (locale == static_cast<locale_t>(0))
        return cp;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), locale));
}

}  // namespace

std::string Utf8LowerCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        size_t length = 0;
        const char32_t cp = Decode(text, at, length);
        if (length == 0) {
            out += text[at++];
            continue;
        }
        Encode(Lower(cp), out);
        at += length;
    }
    return out;
}
