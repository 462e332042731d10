// The three appearance codes (alignment, font style, frame line) stored under the keys a, s, r.
#pragma once

#include <string>

class IniFile;

// Alignment codes of `a`.
enum AlignCode { taLeft = 0, taCenter = 1, taRight = 2 };
// Bits of the font style set `s`.
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
// Frame line codes of `r` (table header and summary row only).
enum FrameLine { flNormal = 0, flBold = 1 };

struct OptionTriple {
    int Align = taLeft;    // key "a"
    int Style = 0;         // key "s"
    int Frame = flNormal;  // key "r"
};

// Absent keys read as 0.
OptionTriple ReadOptionTriple(const IniFile& ini, const std::string& section);
void WriteOptionTriple(IniFile& ini, const std::string& section, const OptionTriple& triple);

// Line width of a frame code: 2 for bold, 1 otherwise.
int FrameLineWidth(int frame);
