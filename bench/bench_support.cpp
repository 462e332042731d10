// Pieces the benchmarks share.
#include "bench_support.h"

#include <sys/resource.h>

#include "platform/ini_file.h"
#include "reports/hex_values.h"
#include "reports/report_keys.h"

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void WriteHourlyReportFiles(const std::string& descriptorPath, const std::string& modulePath,
                            int columns, int firstParam, int depth) {
    IniFile descriptor(descriptorPath);
    IniFile module(modulePath);
    descriptor.WriteInteger(kSecReport, kKeyColumns, columns);
    for (int c = 0; c < columns; ++c) {
        const std::string section = ColumnSection(c);
        descriptor.WriteInteger(section, kKeyId, c + 1);
        descriptor.WriteString(section, kKeyTitle, "P" + std::to_string(c + 1));
        descriptor.WriteString(section, kKeyFormat, "%1.3f");
        descriptor.WriteString(section, kKeySummary, c % 2 ? kSummarySum : kSummaryAverage);
        module.WriteString(ColumnIdSection(c + 1), std::string(kKeyArchive) + "H",
                           HexDigits(firstParam + c, 4));
        module.WriteInteger(ColumnIdSection(c + 1), std::string(kKeyMaxIndex) + "H", depth);
    }
    descriptor.Save();
    module.Save();
}
