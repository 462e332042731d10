// The task record and the parameter record of a task-queue file.
#include "model/tasks/task_records.h"

#include <algorithm>

#include "model/binary/le_fields.h"

namespace {
// Task record offsets.
constexpr size_t tName = 0, tShortName = 51, tTaskIndex = 60, tAlgNumber = 62, tWord64 = 64,
                 tFlags = 66, tByte67 = 67, tWord68 = 68, tDword72 = 72, tWord76 = 76,
                 tParamCount = 78;
// Parameter record offsets.
constexpr size_t pTaskIndex = 0, pName = 2, pShortName = 53, pValue1 = ParamRecordTextOffset,
                 pValue2 = 64, pFormatCode = 66, pInternal = 68, pPosition = 72, pArchiveKind = 76,
                 pOne = 80;
}  // namespace

TaskRecord DecodeTaskRecord(const uint8_t* rec) {
    TaskRecord t;
    t.Name = GetShortString(rec, tName, 50);
    t.ShortName = GetShortString(rec, tShortName, 8);
    t.TaskIndex = GetU16(rec, tTaskIndex);
    t.AlgNumber = GetU16(rec, tAlgNumber);
    t.Word64 = GetU16(rec, tWord64);
    t.Flags = rec[tFlags];
    t.Byte67 = rec[tByte67];
    t.Word68 = GetU16(rec, tWord68);
    t.Dword72 = GetU32(rec, tDword72);
    t.Word76 = GetU16(rec, tWord76);
    t.ParamCount = GetU16(rec, tParamCount);
    return t;
}

void EncodeTaskRecord(const TaskRecord& t, uint8_t* rec) {
    std::fill(rec, rec + TaskRecordSize, 0);
    PutShortString(rec, tName, 50, t.Name);
    PutShortString(rec, tShortName, 8, t.ShortName);
    PutU16(rec, tTaskIndex, t.TaskIndex);
    PutU16(rec, tAlgNumber, t.AlgNumber);
    PutU16(rec, tWord64, t.Word64);
    rec[tFlags] = t.Flags;
    rec[tByte67] = t.Byte67;
    PutU16(rec, tWord68, t.Word68);
    PutU32(rec, tDword72, t.Dword72);
    PutU16(rec, tWord76, t.Word76);
    PutU16(rec, tParamCount, t.ParamCount);
}

ParamRecord DecodeParamRecord(const uint8_t* rec) {
    ParamRecord p;
    p.TaskIndex = GetU16(rec, pTaskIndex);
    p.Name = GetShortString(rec, pName, 50);
    p.ShortName = GetShortString(rec, pShortName, 8);
    p.Value1 = GetU16(rec, pValue1);
    p.Value2 = GetU16(rec, pValue2);
    p.FormatCode = GetU16(rec, pFormatCode);
    p.InternalNumber = GetU16(rec, pInternal);
    p.Position = GetU32(rec, pPosition);
    p.ArchiveKind = GetU32(rec, pArchiveKind);
    p.One = rec[pOne];
    return p;
}

void EncodeParamRecord(const ParamRecord& p, uint8_t* rec) {
    std::fill(rec, rec + ParamRecordSize, 0);
    PutU16(rec, pTaskIndex, p.TaskIndex);
    PutShortString(rec, pName, 50, p.Name);
    PutShortString(rec, pShortName, 8, p.ShortName);
    PutU16(rec, pValue1, p.Value1);
    PutU16(rec, pValue2, p.Value2);
    PutU16(rec, pFormatCode, p.FormatCode);
    PutU16(rec, pInternal, p.InternalNumber);
    PutU32(rec, pPosition, p.Position);
    PutU32(rec, pArchiveKind, p.ArchiveKind);
    rec[pOne] = p.One;
}
