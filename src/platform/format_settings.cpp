// The program-wide separators used when numbers and dates are turned into text, and the
// system locale's separators.
#include "platform/format_settings.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cstdlib>

FormatSettings& CurrentFormatSettings() {
    static FormatSettings settings;
    return settings;
}

char PatternSeparator(const std::string& pattern, char fallback) {
    for (size_t i = 0; i < pattern.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(pattern[i]);
        if (c == '%') {
            // Skip the conversion with its flags ("%-d", "%Ey").
            while (i + 1 < pattern.size() &&
                   !std::isalpha(static_cast<unsigned char>(pattern[i + 1])))
                ++i;
            ++i;
        } else if (c < 0x80 && !std::isalnum(c) && c != ' ') {
            return static_cast<char>(c);
        }
    }
    return fallback;
}

namespace {

// The locale name the environment gives a category, by the usual precedence.
std::string LocaleName(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "";
}

// The plain C locale means no locale was chosen: the program keeps its own separators.
bool IsPlainC(const std::string& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// Calls read(locale) with a locale object of the category's environment locale, when there
// is one. The process-wide C locale (which printf and strtod use) stays untouched.
template <typename Read>
void WithLocale(int mask, const char* category, Read read) {
    const std::string name = LocaleName(category);
    if (IsPlainC(name))
        return;
    const locale_t locale = newlocale(mask, name.c_str(), static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return;
    read(locale);
    freelocale(locale);
}

}  // namespace

FormatSettings SystemFormatSettings() {
    FormatSettings fs;
    WithLocale(LC_NUMERIC_MASK, "LC_NUMERIC", [&fs](locale_t locale) {
        const std::string point = nl_langinfo_l(RADIXCHAR, locale);
        if (point.size() == 1)
            fs.DecimalSeparator = point[0];
    });
    WithLocale(LC_TIME_MASK, "LC_TIME", [&fs](locale_t locale) {
        fs.DateSeparator = PatternSeparator(nl_langinfo_l(D_FMT, locale), fs.DateSeparator);
        fs.TimeSeparator = PatternSeparator(nl_langinfo_l(T_FMT, locale), fs.TimeSeparator);
    });
    return fs;
}
