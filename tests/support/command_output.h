// Runs a shell command and returns what it wrote to standard output.
#pragma once

#include <string>

std::string CommandOutput(const std::string& command);

// The page count pdfinfo reports for a PDF file; 0 when it reports none.
int PdfPageCount(const std::string& path);
