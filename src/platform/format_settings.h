// Decimal, date and time separators used when numbers and dates are turned into text.
#pragma once

struct FormatSettings {
    char DecimalSeparator = ',';
    char DateSeparator = '.';
    char TimeSeparator = ':';
};

// The program-wide settings: the GUI fills them from the system locale at start-up,
// tests set them explicitly.
FormatSettings& CurrentFormatSettings();
