// Code page conversions: the controllers' ANSI texts (cp1251), zip entry names (cp866), UTF-8.
#pragma once

#include <string>
#include <string_view>

// cp1251 bytes -> UTF-8.
std::string SysToUtf8(std::string_view sys);
// UTF-8 -> cp1251 bytes; characters that cp1251 lacks (and invalid UTF-8) become "?".
std::string Utf8ToSys(std::string_view utf8);
// cp866 bytes (names of zip entries) -> UTF-8.
std::string OemToUtf8(std::string_view oem);
// UTF-8 -> cp866 bytes; characters that cp866 lacks become "?".
std::string Utf8ToOem(std::string_view utf8);
// True when the text is valid UTF-8.
bool IsValidUtf8(std::string_view text);
