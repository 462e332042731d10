// Makes any text safe to lay out: valid UTF-8, line breaks as "\n", no other control
// characters, and a bounded length.
#pragma once

#include <string>

// Longest text a single text box keeps, in bytes; a longer text is cut and ends in "…".
constexpr size_t kMaxBoxTextBytes = 4096;

std::string CleanText(const std::string& text);
