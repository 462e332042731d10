// A plain-text table with columns padded to their widest cell (UTF-8 aware).
#pragma once

#include <string>
#include <vector>

class TextTable {
  public:
    explicit TextTable(std::vector<std::string> headings);
    void AddRow(std::vector<std::string> cells);
    // The table, each line indented by `indent` spaces.
    std::string Render(int indent) const;

  private:
    std::vector<std::vector<std::string>> rows_;
};

// Characters shown for a UTF-8 text (code points).
size_t DisplayWidth(const std::string& utf8);
// "label" padded to width, then the value, one line.
std::string Field(const std::string& label, const std::string& value, int indent = 2,
                  size_t width = 16);
