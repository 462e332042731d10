// Report file names and the mapping between report and library numbers.
#include "reports/report_numbers.h"

#include <cstdio>

std::string ReportBaseName(int number) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%8.8d", number);
    return buf;
}

std::string ReportFileName(int number) {
    return ReportBaseName(number) + ".ini";
}

std::optional<int> ReportNumberOf(const std::string& baseName) {
    if (baseName.empty() || baseName.size() > 8 ||
        baseName.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(baseName);
}

int LibraryReportNumber(int number) {
    return kLibraryNumberBase - number;
}
