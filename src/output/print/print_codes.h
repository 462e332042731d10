// Codes handed to the report engine: alignment names and font style integers.
#pragma once

#include <string>

// Alignment code 0 → "taLeftJustify", 1 → "taCenter", 2 → "taRightJustify", others left.
std::string AlignName(int align);
// Style code (bit 0 bold, bit 1 italic) → the engine's integer (2 bold, 1 italic).
int EngineStyle(int style);
// Page number position 1 → "taCenter", 2 → "taRightJustify", 3 → "taLeftJustify"; "" else.
std::string PageNumberAlignName(int position);
