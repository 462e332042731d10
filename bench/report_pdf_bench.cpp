// Benchmark: the report blank of a 2,999-row by 12-column table prepared by the print bridge
// and exported to PDF.
// Prints seconds (wall clock and processor time, which a busy machine does not inflate),
// pages and peak memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "output/header/header_model.h"
#include "output/print/print_bridge.h"
#include "output/render/pdf_export.h"
#include "support/print_fixture.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// With --keep the PDF is left in the temporary directory to be looked at.
int main(int argc, char** argv) {
    const bool keep = argc > 1 && std::string(argv[1]) == "--keep";
    const std::string path =
        (std::filesystem::temp_directory_path() / "velorm-report-bench.pdf").string();
    const ReportTable table = SampleReportTable(2999, 11);  // the date column and 11 more
    const ReportRecords records = SampleRecords();
    SpecialHeader header;
    BuildDefaultHeader(header, table, records.RepO.HeaderOpt, {});

    const auto start = std::chrono::steady_clock::now();
    const PreparedReport report = PrepareBlank(MakePrintState(table, records, header));
    const double prepared = SecondsSince(start);
    std::string error;
    if (!ExportPdf(report, path, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double total = SecondsSince(start);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf(
        "report PDF, 2999 rows x 12 columns: %.2f s (prepare %.2f s, PDF %.2f s), processor "
        "time %.2f s, %zu pages, %.1f MiB file, peak memory %.1f MiB (targets: 2 s, 300 MiB)\n",
        total, prepared, total - prepared, cpu, report.pages.size(),
        double(std::filesystem::file_size(path)) / (1 << 20), double(usage.ru_maxrss) / 1024.0);
    if (!keep)
        std::filesystem::remove(path);
    else
        std::printf("kept %s\n", path.c_str());
    return 0;
}
