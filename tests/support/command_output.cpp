// Runs a shell command and returns what it wrote to standard output.
#include "support/command_output.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

std::string CommandOutput(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::array<char, 4096> buffer;
    size_t n;
    while (pipe && (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        out.append(buffer.data(), n);
    return out;
}

int PdfPageCount(const std::string& path) {
    const std::string info = CommandOutput("pdfinfo '" + path + "'");
    const size_t pos = info.find("Pages:");
    return pos == std::string::npos ? 0 : std::atoi(info.c_str() + pos + 6);
}
