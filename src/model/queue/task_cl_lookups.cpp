// Lookups over a task queue: tasks by position and algorithm, references, archive tasks and
// parameter listings for the report side.
#include "model/queue/task_cl.h"

#include <algorithm>

TParam* Task_CL::TaskAt(int index) const {
    return index >= 0 && index < TaskCount() ? tasks_[index].get() : nullptr;
}

uint16_t Task_CL::TaskAlgNumber(int index) const {
    const TParam* task = TaskAt(index);
    return task ? task->AlgNumber() : 0;
}

std::string Task_CL::TaskShortName(int index) const {
    const TParam* task = TaskAt(index);
    return task ? task->ShortName() : std::string();
}

int Task_CL::FindTaskByAlg(std::span<const uint16_t> numbers, int& start, uint16_t& matched) const {
    for (int i = std::max(start, 0); i < TaskCount(); ++i) {
        auto hit = std::find(numbers.begin(), numbers.end(), tasks_[i]->AlgNumber());
        if (hit != numbers.end()) {
            matched = *hit;
            start = i + 1;
            return i;
        }
    }
    return -1;
}

QueueRef Task_CL::FindInQueue(uint16_t key, int startTask) const {
    QueueRef ref{std::max(startTask, 0), -1};
    return FindReferenceInQueue(key, ref) ? ref : QueueRef{};
}

bool Task_CL::FindReferenceInQueue(uint16_t key, QueueRef& ref) const {
    for (int t = std::max(ref.Task, 0); t < TaskCount(); ++t) {
        int from = t == ref.Task ? ref.Entry + 1 : 0;
        int e = tasks_[t]->FindReference(key, -1, from);
        if (e >= 0) {
            ref = {t, e};
            return true;
        }
    }
    return false;
}

int Task_CL::CountArchiveTasks(int kind) const {
    return static_cast<int>(std::count_if(tasks_.begin(), tasks_.end(), [&](const auto& t) {
        int k = t->TaskArchiveKind();
        return kind < 0 ? k > 0 : k == kind;
    }));
}

int Task_CL::NextTaskIndex() const {
    int largest = 0;
    bool any = false;
    for (const auto& t : tasks_)
        if (t->Enabled()) {
            largest = any ? std::max(largest, t->TaskIndex()) : t->TaskIndex();
            any = true;
        }
    return any ? largest + 1 : 1;
}

int Task_CL::ListAlgParams(const TAlgoritms& algorithm, bool all, int taskIndex,
                           std::vector<AlgParamSummary>& list) const {
    const auto& params = algorithm.Params();
    for (size_t i = 0; i < params.size(); ++i) {
        const TAlgParamDesc& p = params[i];
        if (!all && !p.IsReference)
            continue;
        AlgParamSummary s;
        s.Position = static_cast<int32_t>(i);
        s.InternalNumber = static_cast<uint8_t>(p.InternalNumber & 0xFF);
        s.ValueType = p.ValueType;
        s.AFlag = p.AFlag;
        s.NotReference = !p.IsReference;
        s.ItemCount = p.ItemCount;
        s.ItemSize = p.ItemSize;
        s.ArchiveKind = p.ArchiveKind;
        s.EntryPosition = -1;
        s.TaskIndex = taskIndex;
        s.FormatCode = ParamFormatCode(p);
        list.push_back(s);
    }
    return static_cast<int>(list.size());
}

namespace {
// Whether a format code lets a parameter be listed for the given kind flag.
bool AdmitsKind(uint16_t formatCode, int kind, bool allParams) {
    switch ((formatCode >> 12) & 3) {
        case 1:
            return kind == 8 || kind == 4 || kind == 2 || kind == 1;
        case 2:
            return kind == 8 || kind == 4 || kind == 2;
        case 3:
            return kind == 8 || kind == 4;
        default:
            return allParams && kind == 8;
    }
}
}  // namespace

int Task_CL::ListTaskParams(uint16_t algNumber, int taskIndex, bool countNewOnly, bool keepAll,
                            bool allParams, std::vector<AlgParamSummary>& list,
                            int kindFlag) const {
    const TAlgoritms* algorithm = module_->Algorithm(algNumber);
    if (!algorithm)
        return 0;
    size_t before = list.size();
    ListAlgParams(*algorithm, allParams, taskIndex, list);
    int listed = static_cast<int>(list.size() - before);
    const TParam* task = taskIndex >= 0 ? TaskAt(taskIndex) : nullptr;
    if (task)
        for (size_t i = before; i < list.size(); ++i) {
            for (int e = 0; e < task->EntryCount(); ++e)
                if ((task->Entries()[e].InternalNumber & 0xFF) == list[i].InternalNumber) {
                    list[i].EntryPosition = e;
                    list[i].FormatCode = task->Entries()[e].FormatCode;
                    break;
                }
        }
    if (!keepAll) {
        auto drop = std::remove_if(list.begin() + before, list.end(), [&](const auto& s) {
            return s.EntryPosition < 0 || !AdmitsKind(s.FormatCode, kindFlag, allParams);
        });
        list.erase(drop, list.end());
    }
    return countNewOnly ? static_cast<int>(list.size() - before) : listed;
}
