// Composing the outcome of a reading flow.
#include "output/reading/reading_result.h"

#include <cstdlib>

#include "output/table/result_codes.h"

ReadingResult MakeReadingResult(int code, const std::string& detail) {
    ReadingResult r{code, ReportResultMessage(std::abs(code))};
    if (!detail.empty())
        r.Message += "\r\n" + detail;
    return r;
}
