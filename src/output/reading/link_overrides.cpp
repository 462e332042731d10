// Choosing the time-out and repeats of one reading from what the user entered.
#include "output/reading/link_overrides.h"

#include <charconv>
#include <optional>

#include "platform/files.h"

namespace {

// The text as a whole decimal number (blanks around it allowed), or nothing.
std::optional<int> WholeNumber(const std::string& text) {
    const std::string trimmed = Trim(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+')
        ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

int WithinOr(const std::string& text, int low, int high, int configured) {
    const std::optional<int> value = WholeNumber(text);
    return value && *value >= low && *value <= high ? *value : configured;
}

}  // namespace

int EffectiveTimeout(const std::string& text, int configured) {
    return WithinOr(text, configured, 10, configured);
}

int EffectiveRepeats(const std::string& text, int configured) {
    return WithinOr(text, 1, 5, configured);
}
