// The fixed messages of the exchange result codes 0..60.
#pragma once

#include <string>

// Result codes the exchange itself refers to by name.
enum ExchangeCode : int {
    kOk = 0,
    kNoAnswer = 1,
    kIncompleteData = 2,
    kWriteFailed = 3,
    kStoppedByOperator = 4,
    kCrcMismatch = 5,
    kBadClock = 6,
    kPacketNoMismatch = 7,
    kAddressMismatch = 8,
    kLengthBytesDiffer = 9,
    kStartByteError = 10,
    kEndByteError = 11,
    kChecksumMismatch = 12,
    kPositiveAck = 13,
    kNegativeAck = 14,
    kBadDate = 15,
    kBadTime = 16,
    kLengthMismatch = 17,
    kPortOpenFailed = 18,
    kNoClockParameter = 19,
    kOtherController = 23,
    kNoDataForPeriod = 25,
    kAccessDenied = 26,
    kConnectFailed = 31,
    kExtNumberMismatch = 37,
    kNotForThisLink = 38,
};

inline constexpr int kLastErrorCode = 60;

// "  Неопределенный код ошибки " and the code for codes outside 0..60.
std::string ErrorText(int code);
