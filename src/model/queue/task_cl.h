// A task queue: the module description, the tasks, the .tsk file, the queue identifier and
// the controller-side image.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/algorithms/spis_alg.h"
#include "model/image/task_image.h"
#include "model/modules/modul.h"
#include "model/queue/tsk_file.h"
#include "model/tasks/param.h"
#include "platform/memory_stream.h"

// A 32-byte summary of one algorithm parameter, as the report side lists them.
struct AlgParamSummary {
    int32_t Position = 0;
    uint8_t InternalNumber = 0;  // low 8 bits
    uint8_t ValueType = 0;
    uint8_t AFlag = 0;
    uint8_t NotReference = 0;
    uint16_t ItemCount = 0;
    uint8_t ItemSize = 0;
    uint8_t ArchiveKind = 0;
    int32_t EntryPosition = -1;
    int32_t TaskIndex = 0;
    uint16_t FormatCode = 0;
    uint8_t Zero = 0;
};

// A reference found in the queue: task position and entry position, -1 when none.
struct QueueRef {
    int Task = -1;
    int Entry = -1;
};

class Task_CL {
  public:
    // The full queue: the module's template (all tasks disabled) followed by the tasks of
    // the saved file when one is given. Directories may be empty (names are then found in
    // the database by file name).
    Task_CL(uint16_t moduleNumber, const std::string& dbHint, const std::string& moduleDir,
            const std::string& taskDir, const std::string& savedFile, TSpisAlg* library,
            bool allTasks);
    // A summary: only the header of `file` is read; Report gets four lines.
    explicit Task_CL(const std::string& file);

    // Reads a .tsk file (mode < 0: template from the database, all tasks disabled; 0:
    // header only; > 0: saved file, from the database when it holds the name, else from the
    // file system). Returns the header's TaskCount; 0 when the file cannot be opened.
    int ReadFile(const std::string& fileName, int mode, std::string& errorText, TskHeader& dest);
    // The same over bytes already in memory.
    int ReadStream(MemoryStream& stream, const std::string& fileName, int mode,
                   std::string& errorText, TskHeader& dest);

    // Writes the queue; false when the target lies in a zip-held database (the user is told
    // through the prompts). A file that cannot be written raises std::runtime_error.
    bool SaveToFile(const std::string& path, bool useModuleSuffix, bool pathIsFileName);
    // The name SaveToFile writes to.
    std::string TargetFileName(const std::string& path, bool useModuleSuffix,
                               bool pathIsFileName) const;

    void ComputeId();
    std::string IdText(const std::string& separator) const;
    void CollectReport(const std::string& extraLine);

    // Lookups.
    TParam* TaskAt(int index) const;
    uint16_t TaskAlgNumber(int index) const;
    std::string TaskShortName(int index) const;
    const std::string& QueueName() const { return header_.QueueName; }
    void SetQueueName(const std::string& name) { header_.QueueName = name.substr(0, 47); }
    // From task `start` on, the first task running one of `numbers`; `matched` gets the
    // number and `start` moves past the task. -1 when none.
    int FindTaskByAlg(std::span<const uint16_t> numbers, int& start, uint16_t& matched) const;
    QueueRef FindInQueue(uint16_t key, int startTask) const;
    // The next reference to key after entry `ref.Entry` of task `ref.Task` (pass Entry -1 to
    // include the task's first entry); false when there is none.
    bool FindReferenceInQueue(uint16_t key, QueueRef& ref) const;
    int CountArchiveTasks(int kind) const;
    int NextTaskIndex() const;
    int ListAlgParams(const TAlgoritms& algorithm, bool all, int taskIndex,
                      std::vector<AlgParamSummary>& list) const;
    int ListTaskParams(uint16_t algNumber, int taskIndex, bool countNewOnly, bool keepAll,
                       bool allParams, std::vector<AlgParamSummary>& list, int kindFlag) const;
    ArchiveParamFind FindArchiveParam(int start) const { return module_->FindArchiveParam(start); }

    // Changes.
    struct AddedTask {
        const TAlgoritms* Algorithm = nullptr;
        int TaskIndex = -1;
        int Position = -1;
    };
    AddedTask AddTask(uint16_t algNumber, uint8_t flags);
    AddedTask AddTaskAt(uint16_t algNumber, int position);
    void RemoveEnabledTasks();
    // One piece of the short names of the enabled tasks; `more` tells whether more pieces
    // are expected, `log` is the trace line.
    bool SetShortNamePiece(int pieceIndex, int pieceLength, std::span<const uint8_t> bytes,
                           std::string& log);

    // Controller-side image.
    void BuildImage(bool paramOption, bool flexOption);
    void SetGroupStart(int index, uint16_t offset);
    int GroupOfOffset(uint32_t offset) const;
    int DecodeTaskGroup(const ImageGroup& group);
    int DecodeParamGroup(const ImageGroup& group);
    bool DecodeFlexGroup(const ImageGroup& group);
    // Largest reference value v with low <= v < 0xF000 (and v < high when high != 0), or
    // low - 1; downwards: the smallest at least low and below high.
    int MaxReference(int low, int high, bool downwards) const;
    uint16_t AreaLimit(int index) const { return module_->AreaLimit(index); }
    uint16_t AreaBase() const { return module_->AreaBase(); }
    const TaskAreaImage& Image() const { return image_; }
    uint32_t ParamBytes() const { return image_.ParamBytes; }
    uint32_t FlexGroups() const { return image_.FlexGroups; }
    const std::string& DecodeMessage() const { return image_.DecodeMessage; }
    bool AlignValues = false;

    // State.
    TModul& Module() const { return *module_; }
    TSpisAlg* Library() const { return library_; }
    const TskHeader& Header() const { return header_; }
    TskHeader& Header() { return header_; }
    const std::vector<std::unique_ptr<TParam>>& Tasks() const { return tasks_; }
    int TaskCount() const { return static_cast<int>(tasks_.size()); }
    uint32_t QueueId() const { return queueId_; }
    int32_t F028Flag() const { return f028Flag_; }
    uint8_t F028Type() const { return f028Type_; }
    int TemplateCount() const { return templateCount_; }
    bool AllTasks = false;
    bool HasF029() const { return hasF029_; }
    bool HasF028() const { return hasF028_; }
    const std::vector<std::string>& Files() const { return files_; }
    const std::vector<std::string>& Report() const { return report_; }

  private:
    void Reset();
    void FindSpecialReferences();
    TskFile ToTskFile() const;
    void DecodeTasks();
    void DecodeFlexTable();
    void AppendTaskValues(const TParam& task);
    void BuildFlexTable(bool flexOption);

    std::unique_ptr<TModul> module_;
    TSpisAlg* library_ = nullptr;
    TskHeader header_;
    std::vector<std::unique_ptr<TParam>> tasks_;
    TaskAreaImage image_;
    uint32_t queueId_ = 0;
    int32_t f028Flag_ = 0;
    uint8_t f028Type_ = 132;
    int templateCount_ = 0;
    bool hasF029_ = false;
    bool hasF028_ = false;
    std::vector<std::string> files_;
    std::vector<std::string> report_;
};
