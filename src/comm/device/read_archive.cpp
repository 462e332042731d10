// ReadArchive: period to ring positions, then one range read.
#include "comm/device/read_archive.h"

#include "comm/device/archive_ring.h"
#include "comm/device/device_link.h"
#include "comm/device/module_reads.h"

int ReadArchive(int address, int kind, int number, int depth, std::string& message,
                TDateTime& firstRecord, TDateTime& clock, int& count, int extNumber,
                std::vector<double>& values, TDateTime periodStart, TDateTime periodEnd,
                int reportDay, int reportHour) {
    count = 0;
    values.clear();
    TBase_Obmen* x = LinkedExchange(message);
    if (!x)
        return kNoLink;
    if (clock == 0) {
        double difference = 0;
        const int code = ReadModuleClock(address, clock, difference, extNumber, message);
        if (code != kOk)
            return code;
    }
    const ArchiveSpan span =
        ArchivePositions(kind, depth, clock, periodStart, periodEnd, reportDay, reportHour);
    if (span.code != kOk) {
        message = ErrorText(span.code);
        return span.code;
    }
    firstRecord = span.firstRecord;
    const RouteTarget route = RouteFor(address);
    const int code = x->ReadRange(number, span.ringSize, 0, span.from, span.to, extNumber, address,
                                  route.via, route.direct, values);
    count = static_cast<int>(values.size());
    message = ErrorText(code);
    return code;
}
