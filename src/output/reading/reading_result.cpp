// Composing the outcome of a reading flow.
#include "output/reading/reading_result.h"

#include "output/table/result_codes.h"

ReadingResult MakeReadingResult(int code, const std::string& detail) {
    ReadingResult r{code, ReportResultMessage(code)};
    if (!detail.empty())
        r.Message += "\r\n" + detail;
    return r;
}
