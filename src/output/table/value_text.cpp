// Formatting values with a column format and reading displayed numbers back.
#include "output/table/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// Generous bounds that keep a stored format from asking for huge texts.
constexpr int kMaxWidth = 64;
constexpr int kMaxPrecision = 30;

struct Conversion {
    std::string Prefix, Suffix;  // literal text around the conversion
    bool Left = false, Plus = false, Space = false, Zero = false;
    int Width = 0;
    int Precision = -1;  // -1: not given
    char Type = 'f';
};

// Reads a number of at most two digits; false when there are more.
bool ReadSmallNumber(const std::string& f, size_t& i, int& out, int limit) {
    out = 0;
    size_t digits = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') {
        out = out * 10 + (f[i++] - '0');
        if (++digits > 2 || out > limit)
            return false;
    }
    return true;
}

std::optional<Conversion> ParseFormat(const std::string& f) {
    Conversion c;
    bool found = false;
    std::string* literal = &c.Prefix;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i] != '%') {
            *literal += f[i];
            continue;
        }
        if (i + 1 < f.size() && f[i + 1] == '%') {
            *literal += '%';
            ++i;
            continue;
        }
        if (found)
            return std::nullopt;
        found = true;
        for (++i; i < f.size() && std::string_view("-+ 0").find(f[i]) != std::string::npos; ++i) {
            c.Left |= f[i] == '-';
            c.Plus |= f[i] == '+';
            c.Space |= f[i] == ' ';
            c.Zero |= f[i] == '0';
        }
        if (!ReadSmallNumber(f, i, c.Width, kMaxWidth))
            return std::nullopt;
        if (i < f.size() && f[i] == '.') {
            ++i;
            if (!ReadSmallNumber(f, i, c.Precision, kMaxPrecision))
                return std::nullopt;
        }
        if (i >= f.size())
            return std::nullopt;
        c.Type = static_cast<char>(f[i] | 0x20);
        if (std::string_view("fegn").find(c.Type) == std::string::npos)
            return std::nullopt;
        literal = &c.Suffix;
    }
    if (!found)
        return std::nullopt;
    return c;
}

std::string Digits(const Conversion& c, double value) {
    char buf[512];
    const int precision = c.Precision < 0 ? (c.Type == 'g' ? 15 : 2) : c.Precision;
    const std::chars_format style = c.Type == 'e'   ? std::chars_format::scientific
                                    : c.Type == 'g' ? std::chars_format::general
                                                    : std::chars_format::fixed;
    const auto r = std::to_chars(buf, buf + sizeof buf, value, style, precision);
    std::string text(buf, r.ec == std::errc() ? r.ptr : buf);
    if (!std::signbit(value) || std::isnan(value)) {
        if (c.Plus)
            text.insert(0, "+");
        else if (c.Space)
            text.insert(0, " ");
    }
    return text;
}

std::string Pad(const Conversion& c, std::string text) {
    if (static_cast<int>(text.size()) >= c.Width)
        return text;
    const size_t fill = c.Width - text.size();
    if (c.Left)
        return text + std::string(fill, ' ');
    if (c.Zero && std::isdigit(static_cast<unsigned char>(text.back()))) {
        const size_t sign = (text[0] == '-' || text[0] == '+' || text[0] == ' ') ? 1 : 0;
        return text.insert(sign, fill, '0');
    }
    return std::string(fill, ' ') + text;
}

}  // namespace

std::string FormatValue(const std::string& format, double value, char separator) {
    static const Conversion kDefault = *ParseFormat("%1.2f");
    const std::optional<Conversion> parsed = ParseFormat(format);
    const Conversion& c = parsed ? *parsed : kDefault;
    std::string number = Pad(c, Digits(c, value));
    std::replace(number.begin(), number.end(), '.', separator);
    return c.Prefix + number + c.Suffix;
}

std::optional<double> ParseValueText(const std::string& text, char separator) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    std::string s = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (separator != '.' && s.find('.') != std::string::npos)
        return std::nullopt;
    std::replace(s.begin(), s.end(), separator, '.');
    if (s[0] == '+')
        s.erase(0, 1);
    double value = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
