// Splitting a date format into label patterns and making the label of a period.
#include "output/table/date_label.h"

#include <utility>

#include "platform/files.h"

namespace {

using Token = std::pair<const char*, size_t>;  // token, characters removed with it

// Removes every occurrence of each token, in order, with the characters that follow it.
std::string RemoveTokens(std::string text, std::initializer_list<Token> tokens) {
    for (const auto& [token, length] : tokens)
        for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at))
            text.erase(at, length);
    return text;
}

// Replaces, everywhere in text, the character after token by separator.
void UnifySeparator(std::string& text, const char* token, char separator) {
    const size_t at = text.find(token);
    if (at == std::string::npos || at + 2 >= text.size())
        return;
    const char old = text[at + 2];
    if (old == separator)
        return;
    for (char& c : text)
        if (c == old)
            c = separator;
}

}  // namespace

DateLabelPatterns SplitDateFormat(const std::string& dateFormat) {
    const std::string upper = UpperCase(dateFormat);
    DateLabelPatterns p;
    p.Time = RemoveTokens(upper, {{"DD", 3}, {"MM", 3}, {"YY", 2}, {"YY", 2}});
    p.Day = RemoveTokens(upper, {{"HH", 3}, {"NN", 2}, {"-", 1}});
    p.Month = RemoveTokens(upper, {{"HH", 3}, {"NN", 2}, {"-", 1}, {"DD", 3}});
    if (p.Time.empty())
        p.Time = "HH:NN";
    const size_t dash = p.Time.find('-');
    const size_t firstShown = p.Time.find_first_not_of(' ');
    if (dash != std::string::npos && dash == firstShown) {
        p.TimeKind = 1;
        p.Time.erase(0, dash + 1);
    } else if (dash != std::string::npos) {
        p.TimeKind = 2;
        p.Time.erase(dash);
    }
    const FormatSettings& fs = CurrentFormatSettings();
    UnifySeparator(p.Time, "HH", fs.TimeSeparator);
    UnifySeparator(p.Day, "DD", fs.DateSeparator);
    UnifySeparator(p.Month, "MM", fs.DateSeparator);
    return p;
}

std::string DateLabel(int kind, bool advance, TDateTime& t, const DateLabelPatterns& patterns) {
    constexpr double kHour = 1.0 / 24;
    if (advance) {
        if (kind == 0)
            t = StartOfTheHour(t) + kHour;
        else if (kind == 1)
            t = StartOfTheDay(t) + 1;
        else if (kind == 2)
            t = IncMonth(StartOfTheMonth(t), 1);
    }
    std::string label = FormatDateTime(kind == 2 ? patterns.Month : patterns.Day, t) + " ";
    if (kind != 0)
        return label;
    const TDateTime hour = StartOfTheHour(t);
    if (patterns.TimeKind == 0)
        label += FormatDateTime(patterns.Time, hour);
    else if (patterns.TimeKind == 2)
        label += FormatDateTime(patterns.Time, hour) + "-" +
                 FormatDateTime(patterns.Time, StartOfTheHour(hour + kHour));
    else
        label += FormatDateTime(patterns.Time, StartOfTheHour(hour + kHour));
    return label;
}

std::string DateLabel(int kind, bool advance, TDateTime& t, const std::string& dateFormat) {
    return DateLabel(kind, advance, t, SplitDateFormat(dateFormat));
}
