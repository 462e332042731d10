// Running a text object's assignments and filling its "[name]" references from the value
// callback.
#pragma once

#include <string>

#include "output/engine/report_template.h"

// The marker of the page number in a text; it is replaced when pages are made.
inline constexpr const char* kPageNumberMarker = "[PAGE#]";

// The text with every "[name]" replaced by the callback's value (unset reads as empty);
// "[PAGE#]" stays for the page maker. Values are not expanded again.
std::string ExpandText(const std::string& text, const ReportCallbacks& callbacks);

// The object's properties after its script ran and its own text was expanded. An assignment
// whose source is unset, or that does not fit its target, changes nothing.
TextProps EvaluateObject(const TextObject& object, const ReportCallbacks& callbacks);
