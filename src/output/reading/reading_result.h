// What a reading flow gives back: the result code and the message the window shows.
#pragma once

#include <string>

struct ReadingResult {
    int Code = 0;         // ReportResult; negative from the controller flow
    std::string Message;  // UTF-8: the code's message, with details on their own lines
};

// The message of the code (of its absolute value: the controller flow negates its codes),
// followed by CR LF and detail when detail is not empty.
ReadingResult MakeReadingResult(int code, const std::string& detail = "");
