// A plain-text table with columns padded to their widest cell (UTF-8 aware).
#include "cli/text_table.h"

#include <algorithm>

size_t DisplayWidth(const std::string& utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string Field(const std::string& label, const std::string& value, int indent, size_t width) {
    std::string line(indent, ' ');
    line += label;
    line.append(width > DisplayWidth(label) ? width - DisplayWidth(label) : 1, ' ');
    return line + value + "\n";
}

TextTable::TextTable(std::vector<std::string> headings) {
    rows_.push_back(std::move(headings));
}

void TextTable::AddRow(std::vector<std::string> cells) {
    cells.resize(rows_.front().size());
    rows_.push_back(std::move(cells));
}

std::string TextTable::Render(int indent) const {
    std::vector<size_t> widths(rows_.front().size(), 0);
    for (const auto& row : rows_)
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    std::string out;
    for (const auto& row : rows_) {
        std::string line(indent, ' ');
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line.append(widths[c] - DisplayWidth(row[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + "\n";
    }
    return out;
}
