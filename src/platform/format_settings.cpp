// The program-wide separators used when numbers and dates are turned into text.
#include "platform/format_settings.h"

FormatSettings& CurrentFormatSettings() {
    static FormatSettings settings;
    return settings;
}
