// Letter case of UTF-8 text beyond ASCII (Cyrillic names in searches).
#pragma once

#include <string>
#include <string_view>

// The text with every letter in lower case by the Unicode case tables; bytes that are not
// valid UTF-8 are kept as they are.
std::string Utf8LowerCase(std::string_view text);
