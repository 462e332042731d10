// The decimal, date and time separators of a Qt locale.
#include "shell/ui/locale_format.h"

namespace {

// The first character of a date or time pattern that is neither a letter nor quoted text.
char FirstSeparator(const QString& pattern, char fallback) {
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && c.unicode() < 0x80 && c != ' ')
            return c.toLatin1();
    }
    return fallback;
}

}  // namespace

FormatSettings FormatSettingsOf(const QLocale& locale) {
    FormatSettings fs;
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        fs.DecimalSeparator = point[0].toLatin1();
    fs.DateSeparator = FirstSeparator(locale.dateFormat(QLocale::ShortFormat), fs.DateSeparator);
    fs.TimeSeparator = FirstSeparator(locale.timeFormat(QLocale::ShortFormat), fs.TimeSeparator);
    return fs;
}
