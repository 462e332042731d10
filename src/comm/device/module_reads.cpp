// Parameter, element and clock reads of the device operations.
#include "comm/device/module_reads.h"

#include <algorithm>

#include "comm/device/device_link.h"
#include "comm/exchange/base_obmen.h"

namespace {
// A BCD byte as 0..99; -1 when a digit is not decimal.
int FromBcd(uint8_t b) {
    const int hi = b >> 4, lo = b & 0x0F;
    return hi > 9 || lo > 9 ? -1 : hi * 10 + lo;
}

// Reads one 4-byte clock field; lengthCode for a data length other than 4.
int ReadClockField(int address, int number, int extNumber, int lengthCode, Bytes& data) {
    std::string message;
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return kNoLink;
    const RouteTarget route = RouteFor(address);
    const int code =
        x->ReadParameter(number, 4, extNumber, true, false, data, address, route.via, route.direct);
    if (code == kNegativeAck || code == kLengthMismatch)
        return kNoClockParameter;
    if (code != kOk)
        return code;
    return data.size() == 4 ? kOk : lengthCode;
}
}  // namespace

int ReadModuleParam(int address, int number, int length, bool useRepeats, int extNumber,
                    std::string& message, Bytes& data) {
    data.clear();
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return kNoLink;
    const RouteTarget route = RouteFor(address);
    const bool logIt = number != 0xF025 && number != 0xF026;
    const int code = x->ReadParameter(number, length, extNumber, logIt, useRepeats, data, address,
                                      route.via, route.direct);
    message = ErrorText(code);
    return code;
}

int ReadModuleElements(int address, int number, int firstIndex, int extNumber, std::string& message,
                       int& count, Bytes& data, int chunk, int elementSize, int endIndex) {
    count = 0;
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return kNoLink;
    chunk = std::max(chunk, 1);
    const RouteTarget route = RouteFor(address);
    int code = kOk;
    Bytes part;
    for (int index = firstIndex; index < endIndex && code == kOk;) {
        const int asked = std::min(chunk, endIndex - index);
        int read = 0;
        code = x->ReadElements(number, index, asked, elementSize, asked > 1, extNumber, part, read,
                               address, route.via, route.direct);
        if (code != kOk)
            break;
        // A device that answers with fewer elements than asked ends the read.
        if (read <= 0) {
            code = kIncompleteData;
            break;
        }
        read = std::min(read, asked);
        data.insert(data.end(), part.begin(), part.begin() + read * elementSize);
        count += read;
        index += read;
    }
    message = ErrorText(code);
    return code;
}

int ReadModuleDate(int address, int extNumber, TDateTime& date) {
    Bytes data;
    const int code = ReadClockField(address, kParamDate, extNumber, kBadDate, data);
    if (code != kOk)
        return code;
    const int day = FromBcd(data[1]), month = FromBcd(data[2]), year = FromBcd(data[3]);
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 0 ||
        !TryEncodeDate(2000 + year, month, day, date))
        return kBadClock;
    return kOk;
}

int ReadModuleTime(int address, int extNumber, TDateTime& time) {
    Bytes data;
    const int code = ReadClockField(address, kParamTime, extNumber, kBadTime, data);
    if (code != kOk)
        return code;
    const int second = FromBcd(data[1]), minute = FromBcd(data[2]), hour = FromBcd(data[3]);
    if (second < 0 || second > 59 || minute < 0 || minute > 59 || hour < 0 || hour > 23)
        return kBadClock;
    time = EncodeTime(hour, minute, second, 0);
    return kOk;
}

int ReadModuleClock(int address, TDateTime& clock, double& difference, int extNumber,
                    std::string& message) {
    if (!LinkedExchange(message))
        return kNoLink;
    TDateTime date = 0, time = 0;
    int code = ReadModuleDate(address, extNumber, date);
    if (code == kOk)
        code = ReadModuleTime(address, extNumber, time);
    if (code == kOk) {
        clock = date + time;
        difference = Now() - clock;
    }
    message = ErrorText(code);
    return code;
}
