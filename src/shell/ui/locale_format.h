// The decimal, date and time separators of a Qt locale.
#pragma once

#include <QLocale>

#include "platform/format_settings.h"

// The separators the locale writes numbers, short dates and times with.
FormatSettings FormatSettingsOf(const QLocale& locale);
