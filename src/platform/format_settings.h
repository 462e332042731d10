// Decimal, date and time separators used when numbers and dates are turned into text.
#pragma once

#include <string>

struct FormatSettings {
    char DecimalSeparator = ',';
    char DateSeparator = '.';
    char TimeSeparator = ':';
};

// The program-wide settings: both programs fill them from the system locale at start-up,
// tests set them explicitly.
FormatSettings& CurrentFormatSettings();

// The separators of the locale the environment names (LC_ALL, then LC_NUMERIC or LC_TIME, then
// LANG), so that the desktop program and velorm-cli write the same texts. The plain C locale,
// and a locale the system does not have, give the defaults above.
FormatSettings SystemFormatSettings();

// The first character of a strftime-like pattern ("%d.%m.%Y") that is neither a conversion
// nor a letter, digit or blank; fallback when there is none.
char PatternSeparator(const std::string& pattern, char fallback);
