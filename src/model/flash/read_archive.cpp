// Reading the records of one block of an archive file for a period.
#include "model/flash/read_archive.h"

#include <cmath>

#include "model/flash/archive_file_reader.h"
#include "model/flash/archive_time.h"
#include "model/flash/archive_value.h"

namespace {
// Interval archives: the block step in minutes, computed in single precision.
int IntervalMinutes(float step) {
    float minutes = step * 1440.0f;
    if (!std::isfinite(minutes) || std::fabs(minutes) > 1e9f)
        return 0;
    return static_cast<int>(std::lround(minutes));
}

bool InWindow(TDateTime t, TDateTime from, TDateTime to) {
    return from <= t && (to == 0 || t <= to);
}

void Emit(ArchiveReading& out, TDateTime t, const ArchiveRecord& rec) {
    out.Times.push_back(t);
    out.Values.push_back(DecodeArchiveValue(rec.ValueBits));
    out.Statuses.push_back(rec.Status);
}

[[noreturn]] void Fail(const std::string& fileName) {
    throw ArchiveReadError("Read beyond end of file: " + fileName);
}
}  // namespace

ArchiveReading ReadArchiveFile(const std::string& fileName, uint16_t blockId, int kind,
                               TDateTime from, TDateTime to) {
    ArchiveReading out;
    ArchiveFileReader reader;
    if (!reader.Open(fileName))
        return out;
    ArchiveHeaders h;
    if (!reader.ReadHeaders(h))
        Fail(fileName);
    if (!h.IsCurrentLayout())
        return out;
    const bool bcd = h.IsBcd();

    BlockHeader block;
    bool found = false;
    for (int32_t i = 0; i < h.BlockCount && !found; ++i) {
        if (!reader.ReadBlockHeader(block))
            Fail(fileName);
        found = block.BlockId == blockId;
        if (!found && !reader.SkipRecords(block.RecordCount))
            Fail(fileName);
    }
    if (!found)
        return out;

    std::vector<ArchiveRecord> records;
    if (!reader.ReadRecords(block.RecordCount, records))
        Fail(fileName);

    TDateTime t = NormaliseTime(kind, DecodeArchiveTime(block.BlockTime, bcd));
    out.StepMinutes = kind == 3 ? IntervalMinutes(block.Step) : 30;
    if (kind == 4 && bcd)
        t -= 1.0 / 48;

    if (!bcd) {
        for (const ArchiveRecord& rec : records) {
            if (InWindow(t, from, to))
                Emit(out, t, rec);
            t = NormaliseTime(kind, StepTime(kind, t, false, block.Step));
        }
        return out;
    }
    std::vector<TDateTime> times(records.size(), 0.0);
    for (size_t i = records.size(); i-- > 0;) {
        if (InWindow(t, from, to))
            times[i] = t;
        t = NormaliseTime(kind, StepTime(kind, t, true, block.Step));
    }
    for (size_t i = 0; i < records.size(); ++i) {
        if (times[i] != 0)
            Emit(out, times[i], records[i]);
    }
    return out;
}
