// One task of a task queue: a run of an algorithm with a value for each of its parameters.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/algorithms/algoritms.h"
#include "model/tasks/task_param_entry.h"
#include "model/tasks/task_records.h"

class TParam {
  public:
    // Copies the record and checks the task against its algorithm (nullptr when the
    // database has none); problems become lines of Errors().
    TParam(const TaskRecord& record, const TAlgoritms* algorithm);

    // Merges one parameter record into the entries; `first` drops the entries first.
    // Returns the entry position (the entry count before the call when the record was
    // dropped) and the text length (ItemCount of a text parameter, else -1).
    std::pair<int, int> LoadParamRecord(const ParamRecord& record, bool first);
    // Fills a task record; returns the number of entries.
    int SaveTaskRecord(TaskRecord& record) const;
    // Fills a parameter record from entry `position`; returns (position + 1, text length),
    // or (-1, -1) when there is no such entry.
    std::pair<int, int> SaveParamRecord(int position, ParamRecord& record) const;
    // Replaces the entries with one per algorithm parameter; returns their number.
    int ResetFromAlgorithm();

    int SetText(const std::string& text, int entryPosition);
    std::string GetText(uint32_t slot) const;

    int FindEntry(uint16_t internalNumber) const;
    // First reference entry at or after start whose Value1 is key; with selector >= 0 its
    // parameter's AFlag must equal (selector == 0). -1 when none.
    int FindReference(uint16_t key, int selector, int start) const;

    // The entry's parameter read through the algorithm; an empty one for a bad position.
    const TAlgParamDesc& EntryParam(int position) const;
    uint8_t ValueType(int position) const { return EntryParam(position).ValueType; }
    uint8_t ItemSize(int position) const { return EntryParam(position).ItemSize; }
    uint16_t ItemCount(int position) const { return EntryParam(position).ItemCount; }
    bool IsReference(int position) const { return EntryParam(position).IsReference; }
    uint8_t ArchiveKind(int position) const { return EntryParam(position).ArchiveKind; }
    // True for a text parameter: text and not a reference.
    bool IsTextEntry(int position) const;

    // Checked entry access: a bad position reads 0xFFFF (or an empty short name) and
    // writes nothing.
    uint16_t FormatCode(int position) const;
    uint16_t Value1(int position) const;
    uint16_t Value2(int position) const;
    void SetFormatCode(int position, uint16_t value);
    void SetValue1(int position, uint16_t value);
    void SetValue2(int position, uint16_t value);
    std::string EntryShortName(int position) const;

    int EntryCount() const { return static_cast<int>(entries_.size()); }
    const std::vector<TTaskParamEntry>& Entries() const { return entries_; }
    // Appends an entry as built by a caller (the image decoder).
    void AppendEntry(TTaskParamEntry entry) { entries_.push_back(std::move(entry)); }

    bool Enabled() const { return (flags_ & 1) != 0; }
    uint8_t Group() const { return (flags_ >> 1) & 7; }
    uint8_t Flags() const { return flags_; }
    const std::string& ShortName() const { return shortName_; }
    void SetShortName(const std::string& s) { shortName_ = s; }
    const std::string& Name() const { return name_; }
    uint16_t TaskArchiveKind() const { return algorithm_ ? algorithm_->ArchiveKind() : 0; }
    const TAlgoritms* Algorithm() const { return algorithm_; }
    uint16_t AlgNumber() const { return algNumber_; }
    int32_t TaskIndex() const { return taskIndex_; }
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<std::string>& Errors() const { return errors_; }
    int32_t DeclaredParamCount() const { return declaredParamCount_; }
    uint8_t Byte67() const { return byte67_; }
    uint16_t Word64() const { return word64_; }
    uint16_t Word68() const { return word68_; }
    uint32_t Dword72() const { return dword72_; }
    uint16_t Word76() const { return word76_; }

    bool HasErrors() const { return Enabled() && !errors_.empty(); }
    // The heading line and every error line, when HasErrors().
    void AppendReport(std::vector<std::string>& lines) const;

  private:
    bool ValidEntry(int position) const;

    uint8_t byte67_ = 0;
    uint16_t word68_ = 0;
    uint32_t dword72_ = 0;
    uint16_t word76_ = 0;
    uint16_t word64_ = 0;
    std::string name_;
    std::string shortName_;
    int32_t taskIndex_ = 0;
    uint16_t algNumber_ = 0;
    uint8_t flags_ = 0;
    const TAlgoritms* algorithm_ = nullptr;
    std::vector<TTaskParamEntry> entries_;
    std::vector<std::string> texts_;
    std::vector<std::string> errors_;
    int32_t declaredParamCount_ = 0;
};
