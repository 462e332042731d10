// Numbers as the table shows them: the column's printf-like format with the decimal
// separator of the format settings, and reading such text back.
#pragma once

#include <optional>
#include <string>

// value through format ("%1.2f", "%8.3e", "%g", with literal text and "%%" around one
// conversion of f, e, g or n (n as f), flags "-", "+", " ", "0", width and precision). The decimal
// point becomes separator. A format that is not of this kind formats as "%1.2f".
std::string FormatValue(const std::string& format, double value, char separator);

// The number a cell shows: blanks around it allowed, separator as the decimal point, an
// optional exponent; nullopt for anything else (" - ", " ***", empty text).
std::optional<double> ParseValueText(const std::string& text, char separator);
