// One task of a task queue: construction, parameter records, texts and the error report.
#include "model/tasks/param.h"

#include <string>

#include "model/binary/le_fields.h"
#include "platform/codepage.h"

namespace {
const TAlgParamDesc kNoParam{};
}  // namespace

TParam::TParam(const TaskRecord& record, const TAlgoritms* algorithm)
    : byte67_(record.Byte67),
      word68_(record.Word68),
      dword72_(record.Dword72),
      word76_(record.Word76),
      word64_(record.Word64),
      name_(record.Name),
      shortName_(record.ShortName),
      taskIndex_(record.TaskIndex),
      algNumber_(record.AlgNumber),
      flags_(record.Flags),
      algorithm_(algorithm),
      declaredParamCount_(record.ParamCount) {
    if (!algorithm_)
        errors_.push_back(Utf8ToSys("В BD_Zemra отсутствует описание алгоритма ") +
                          Hex4(algNumber_));
    else if (Enabled() && algorithm_->ParamCount() != declaredParamCount_)
        errors_.push_back(Utf8ToSys("Количество параметров в задаче и алгоритме не совпадают"));
}

std::pair<int, int> TParam::LoadParamRecord(const ParamRecord& record, bool first) {
    if (first)
        entries_.clear();
    int paramPos = algorithm_ ? algorithm_->IndexOfParam(record.InternalNumber) : -1;
    int entryPos;
    int textLength = -1;
    if (paramPos < 0) {
        entryPos = EntryCount();
        if (Enabled())
            errors_.push_back(Utf8ToSys("В задаче присутствует параметр ") + record.Name +
                              Utf8ToSys(" внутренний номер ") +
                              std::to_string(record.InternalNumber) +
                              Utf8ToSys(" который отсутствует в описании алгоритма "));
    } else {
        entryPos = FindEntry(record.InternalNumber);
        if (entryPos < 0) {
            TTaskParamEntry entry;
            entry.Position = paramPos;
            entry.InternalNumber = record.InternalNumber;
            entries_.push_back(std::move(entry));
            entryPos = EntryCount() - 1;
        }
        TTaskParamEntry& entry = entries_[entryPos];
        entry.Name = record.Name;
        entry.ShortName = record.ShortName;
        entry.Value1 = record.Value1;
        entry.Value2 = record.Value2;
        entry.FormatCode = record.FormatCode;
        const TAlgParamDesc& p = algorithm_->Param(paramPos);
        if (!p.IsReference && p.IsText)
            textLength = p.ItemCount;
    }
    if (algorithm_ && EntryCount() == declaredParamCount_ && Enabled()) {
        for (const auto& p : algorithm_->Params())
            if (FindEntry(p.InternalNumber) < 0)
                errors_.push_back(Utf8ToSys("В задаче отсутствует параметр ") + p.Name +
                                  Utf8ToSys(" внутренний номер ") +
                                  std::to_string(p.InternalNumber));
    }
    return {entryPos, textLength};
}

int TParam::SaveTaskRecord(TaskRecord& record) const {
    record.Name = name_;
    record.ShortName = shortName_;
    record.TaskIndex = static_cast<uint16_t>(taskIndex_);
    record.AlgNumber = algNumber_;
    record.Word64 = word64_;
    record.Flags = flags_;
    record.Byte67 = 0;
    record.Word68 = word68_;
    record.Dword72 = dword72_;
    record.Word76 = word76_;
    record.ParamCount = static_cast<uint16_t>(entries_.size());
    return EntryCount();
}

std::pair<int, int> TParam::SaveParamRecord(int position, ParamRecord& record) const {
    if (position < 0 || position >= EntryCount())
        return {-1, -1};
    const TTaskParamEntry& e = entries_[position];
    record.TaskIndex = static_cast<uint16_t>(taskIndex_);
    record.Name = e.Name;
    record.ShortName = e.ShortName;
    record.Value1 = e.Value1;
    record.Value2 = e.Value2;
    record.FormatCode = e.FormatCode;
    record.InternalNumber = e.InternalNumber;
    record.Position = static_cast<uint32_t>(e.Position);
    record.ArchiveKind = ArchiveKind(position);
    record.One = 1;
    return {position + 1, IsTextEntry(position) ? ItemCount(position) : -1};
}

int TParam::ResetFromAlgorithm() {
    entries_.clear();
    if (!algorithm_)
        return 0;
    const auto& params = algorithm_->Params();
    for (size_t i = 0; i < params.size(); ++i) {
        const TAlgParamDesc& p = params[i];
        TTaskParamEntry e;
        e.Name = p.Name.substr(0, 50);
        e.ShortName = p.ShortName.substr(0, 8);
        if (p.IsReference) {
            e.Value1 = 0xFFFF;
            e.Value2 = params[0].CKind;
        }
        e.Position = static_cast<int32_t>(i);
        e.InternalNumber = p.InternalNumber;
        e.FormatCode = ParamFormatCode(p);
        entries_.push_back(std::move(e));
    }
    return EntryCount();
}

int TParam::SetText(const std::string& text, int entryPosition) {
    int slot = -1;
    for (size_t i = 0; i < texts_.size(); ++i)
        if (texts_[i] == "*") {
            slot = static_cast<int>(i);
            texts_[i] = text;
            break;
        }
    if (slot < 0) {
        texts_.push_back(text);
        slot = static_cast<int>(texts_.size()) - 1;
    }
    if (ValidEntry(entryPosition)) {
        entries_[entryPosition].Value1 = static_cast<uint16_t>(slot & 0xFFFF);
        entries_[entryPosition].Value2 = static_cast<uint16_t>(static_cast<uint32_t>(slot) >> 16);
    }
    return slot;
}

std::string TParam::GetText(uint32_t slot) const {
    return slot < texts_.size() ? texts_[slot] : std::string();
}

int TParam::FindEntry(uint16_t internalNumber) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].InternalNumber == internalNumber)
            return static_cast<int>(i);
    return -1;
}

int TParam::FindReference(uint16_t key, int selector, int start) const {
    for (int i = start < 0 ? 0 : start; i < EntryCount(); ++i) {
        const TAlgParamDesc& p = EntryParam(i);
        if (p.IsReference && entries_[i].Value1 == key &&
            (selector < 0 || p.AFlag == (selector == 0)))
            return i;
    }
    return -1;
}

const TAlgParamDesc& TParam::EntryParam(int position) const {
    if (!algorithm_ || !ValidEntry(position))
        return kNoParam;
    int p = entries_[position].Position;
    if (p < 0 || p >= static_cast<int>(algorithm_->Params().size()))
        return kNoParam;
    return algorithm_->Param(p);
}

bool TParam::IsTextEntry(int position) const {
    const TAlgParamDesc& p = EntryParam(position);
    return !p.IsReference && p.IsText;
}

bool TParam::ValidEntry(int position) const {
    return position >= 0 && position < EntryCount();
}

uint16_t TParam::FormatCode(int position) const {
    return ValidEntry(position) ? entries_[position].FormatCode : 0xFFFF;
}

uint16_t TParam::Value1(int position) const {
    return ValidEntry(position) ? entries_[position].Value1 : 0xFFFF;
}

uint16_t TParam::Value2(int position) const {
    return ValidEntry(position) ? entries_[position].Value2 : 0xFFFF;
}

void TParam::SetFormatCode(int position, uint16_t value) {
    if (ValidEntry(position))
        entries_[position].FormatCode = value;
}

void TParam::SetValue1(int position, uint16_t value) {
    if (ValidEntry(position))
        entries_[position].Value1 = value;
}

void TParam::SetValue2(int position, uint16_t value) {
    if (ValidEntry(position))
        entries_[position].Value2 = value;
}

std::string TParam::EntryShortName(int position) const {
    return ValidEntry(position) ? entries_[position].ShortName : std::string();
}

void TParam::AppendReport(std::vector<std::string>& lines) const {
    if (!HasErrors())
        return;
    lines.push_back(Utf8ToSys("Задача ") + name_ + " / " + shortName_ + Utf8ToSys(" алгоритм ") +
                    Hex4(algNumber_) + " " + (algorithm_ ? algorithm_->Name() : std::string()));
    lines.insert(lines.end(), errors_.begin(), errors_.end());
}
