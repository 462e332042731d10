// Byte layout of a task-queue file (.tsk) and the encoding of whole files.
#include "model/queue/tsk_file.h"

#include <algorithm>

#include "model/binary/le_fields.h"

namespace {
constexpr size_t kName = 0, kIdFlags = 48, kShortName = 50, kKept59 = 59, kWord60 = 60,
                 kWord62 = 62, kModuleNumber = 64, kKept66 = 66, kIdTable = 68, kSecondTable = 96,
                 kTaskCount = 124, kKept126 = 126;
}  // namespace

TskHeader DecodeTskHeader(const uint8_t* rec) {
    TskHeader h;
    h.QueueName = GetShortString(rec, kName, 47);
    h.IdFlags = GetU16(rec, kIdFlags);
    h.QueueShortName = GetShortString(rec, kShortName, 8);
    h.Kept59 = rec[kKept59];
    h.ModuleWord60 = GetU16(rec, kWord60);
    h.NetworkWord62 = GetU16(rec, kWord62);
    h.ModuleNumber = GetU16(rec, kModuleNumber);
    h.Kept66 = GetU16(rec, kKept66);
    for (int i = 0; i < 7; ++i) {
        h.IdTable[i] = GetU32(rec, kIdTable + 4 * i);
        h.SecondTable[i] = GetU32(rec, kSecondTable + 4 * i);
    }
    h.TaskCount = GetU16(rec, kTaskCount);
    h.Kept126 = GetU16(rec, kKept126);
    return h;
}

void EncodeTskHeader(const TskHeader& h, uint8_t* rec) {
    std::fill(rec, rec + TskHeaderSize, 0);
    PutShortString(rec, kName, 47, h.QueueName);
    PutU16(rec, kIdFlags, h.IdFlags);
    PutShortString(rec, kShortName, 8, h.QueueShortName);
    rec[kKept59] = h.Kept59;
    PutU16(rec, kWord60, h.ModuleWord60);
    PutU16(rec, kWord62, h.NetworkWord62);
    PutU16(rec, kModuleNumber, h.ModuleNumber);
    PutU16(rec, kKept66, h.Kept66);
    for (int i = 0; i < 7; ++i) {
        PutU32(rec, kIdTable + 4 * i, h.IdTable[i]);
        PutU32(rec, kSecondTable + 4 * i, h.SecondTable[i]);
    }
    PutU16(rec, kTaskCount, h.TaskCount);
    PutU16(rec, kKept126, h.Kept126);
}

bool IdFlagsValid(uint16_t idFlags) {
    return (idFlags & 0x0F) == 0x0F;
}

std::vector<uint8_t> EncodeTskFile(const TskFile& file) {
    size_t size = TskHeaderSize;
    for (const auto& t : file.Tasks)
        size += TaskRecordSize + t.Records.size() * ParamRecordSize;
    std::vector<uint8_t> bytes(size, 0);
    EncodeTskHeader(file.Header, bytes.data());
    size_t at = TskHeaderSize;
    for (const auto& t : file.Tasks) {
        EncodeTaskRecord(t.Task, bytes.data() + at);
        at += TaskRecordSize;
        for (const auto& r : t.Records) {
            EncodeParamRecord(r, bytes.data() + at);
            at += ParamRecordSize;
        }
    }
    return bytes;
}

std::vector<ParamRecord> SplitTextRecords(const ParamRecord& record, const std::string& text,
                                          int n) {
    std::string padded = text.substr(0, n);
    padded.resize(n, ' ');
    std::vector<ParamRecord> records;
    for (int at = 0; at < n; at += 4) {
        uint8_t chars[4] = {0, 0, 0, 0};
        for (int i = 0; i < 4 && at + i < n; ++i)
            chars[i] = static_cast<uint8_t>(padded[at + i]);
        ParamRecord r = record;
        r.Value1 = GetU16(chars, 0);
        r.Value2 = GetU16(chars, 2);
        records.push_back(std::move(r));
    }
    return records;
}

TskTaskBlock DefaultTaskBlock(const AlgFile& alg) {
    TskTaskBlock block;
    block.Task.Name = alg.Header.Name.substr(0, 50);
    block.Task.AlgNumber = alg.Header.Number;
    block.Task.Word64 = 0xFFFF;
    block.Task.Word68 = 0xFFFF;
    block.Task.ParamCount = static_cast<uint16_t>(alg.Params.size());
    for (uint32_t i = 0; i < alg.Params.size(); ++i) {
        const AlgParamRecord& p = alg.Params[i];
        TAlgParamDesc d = ParamDescFromRecord(p);
        ParamRecord r;
        r.Name = p.Name.substr(0, 50);
        r.ShortName = p.ShortName;
        r.InternalNumber = p.InternalNumber;
        r.Value1 = d.IsReference ? 0xFFFF : 0;
        r.FormatCode = ParamFormatCode(d);
        r.Position = i;
        r.ArchiveKind = d.ArchiveKind;
        if (!d.IsReference && d.IsText) {
            auto pieces = SplitTextRecords(r, "", d.ItemCount);
            block.Records.insert(block.Records.end(), pieces.begin(), pieces.end());
        } else {
            block.Records.push_back(r);
        }
    }
    return block;
}
