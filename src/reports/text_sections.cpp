// Writing, reading and showing the numbered lines of a text section.
#include "reports/text_sections.h"

#include "platform/ini_file.h"

void WriteTextSection(IniFile& ini, const std::string& text, const std::string& section) {
    ini.EraseSection(section);
    int key = 0;
    size_t start = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        ini.WriteString(section, std::to_string(key++), text.substr(start, at - start));
        start = at + 2;
    }
    ini.WriteString(section, std::to_string(key), text.substr(start));
}

void EraseAllSections(IniFile& ini) {
    for (const std::string& section : ini.ReadSections())
        ini.EraseSection(section);
}

std::vector<std::string> ShowTextSection(const IniFile& ini, const std::string& section) {
    std::vector<std::string> lines;
    for (const auto& [key, value] : ini.ReadSectionValues(section))
        lines.push_back(value.empty() ? " " : value);
    if (!lines.empty() && lines.back() == " ")
        lines.pop_back();
    return lines;
}

void ReadTextSection(const IniFile& ini, const std::string& section,
                     std::vector<std::string>& target, const std::vector<std::string>& fallback) {
    target.clear();
    const auto values = ini.ReadSectionValues(section);
    if (values.empty()) {
        target = fallback;
        return;
    }
    for (const auto& [key, value] : values)
        target.push_back(value);
}
