// The program-wide report records and the small lookups over their codes.
#include "reports/report_records.h"

ReportRecords& CurrentReport() {
    static ReportRecords records;
    return records;
}

std::string ArchiveKindSuffix(const S_repI& report) {
    switch (report.ArchiveKind) {
        case kReportHourly:
            return "H";
        case kReportDaily:
            return "D";
        case kReportMonthly:
            return "M";
        default:
            return "";
    }
}

const char* ReportFontName(int index) {
    return index >= 0 && index < static_cast<int>(kReportFontNames.size()) ? kReportFontNames[index]
                                                                           : kReportFontNames[0];
}

int ReportFontSize(int index) {
    return index >= 0 && index < static_cast<int>(kReportFontSizes.size())
               ? kReportFontSizes[index]
               : kReportFontSizes[kDefaultFontSizeIndex];
}
