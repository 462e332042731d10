// The time-out and repeat counts a user may enter for one reading in place of the module's own.
#pragma once

#include <string>

// The time-out in seconds for this reading: the entered text when it is a whole number from
// the configured time-out up to 10, else the configured one.
int EffectiveTimeout(const std::string& text, int configured);
// The number of repeats for this reading: the entered text when it is a whole number from 1 to
// 5, else the configured one.
int EffectiveRepeats(const std::string& text, int configured);
