// Multi-line texts (header and signature lines) kept as the numbered keys of one section.
#pragma once

#include <string>
#include <vector>

class IniFile;

// Erases the section, then writes the pieces of text cut at each CR LF under "0", "1", ...;
// the piece after the last CR LF is always written, so a text ending in CR LF gets a last
// empty line.
void WriteTextSection(IniFile& ini, const std::string& text, const std::string& section);

// Erases every section of the file.
void EraseAllSections(IniFile& ini);

// The values of the section's keys in file order, an empty value as a single blank; a last
// line that is a single blank is dropped. This is what the editors show.
std::vector<std::string> ShowTextSection(const IniFile& ini, const std::string& section);

// target := the values of the section's keys in file order, or a copy of fallback when the
// section has no keys.
void ReadTextSection(const IniFile& ini, const std::string& section,
                     std::vector<std::string>& target, const std::vector<std::string>& fallback);
