// Changes to a task queue: adding and removing tasks, and short names from a controller.
#include "model/queue/task_cl.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"

namespace {
constexpr int kShortNameLength = 8;
}  // namespace

Task_CL::AddedTask Task_CL::AddTask(uint16_t algNumber, uint8_t flags) {
    const TAlgoritms* algorithm = module_->Algorithm(algNumber);
    if (!algorithm)
        return {};
    TaskRecord record;
    record.Name = algorithm->Name().substr(0, 50);
    record.TaskIndex = static_cast<uint16_t>(NextTaskIndex());
    record.AlgNumber = algNumber;
    record.Word64 = 0xFFFF;
    record.Flags = flags;
    record.Byte67 = 0;
    record.Word68 = 0xFFFF;
    record.Dword72 = 0;
    record.Word76 = record.TaskIndex;
    record.ParamCount = algorithm->ParamCount();
    tasks_.push_back(std::make_unique<TParam>(record, algorithm));
    header_.TaskCount = static_cast<uint16_t>(tasks_.size());
    return {algorithm, record.TaskIndex, TaskCount() - 1};
}

Task_CL::AddedTask Task_CL::AddTaskAt(uint16_t algNumber, int position) {
    AddedTask added = AddTask(algNumber, 1);
    if (added.Algorithm && position >= 0 && position < added.Position) {
        auto task = std::move(tasks_.back());
        tasks_.pop_back();
        tasks_.insert(tasks_.begin() + position, std::move(task));
        added.Position = position;
    }
    return added;
}

void Task_CL::RemoveEnabledTasks() {
    tasks_.erase(
        std::remove_if(tasks_.begin(), tasks_.end(), [](const auto& t) { return t->Enabled(); }),
        tasks_.end());
    header_.TaskCount = static_cast<uint16_t>(tasks_.size());
    image_.Clear();
}

bool Task_CL::SetShortNamePiece(int pieceIndex, int pieceLength, std::span<const uint8_t> bytes,
                                std::string& log) {
    if (pieceLength <= 0 || pieceLength > kShortNameLength || pieceIndex < 0) {
        image_.DecodeMessage =
            Utf8ToSys("ошибки перекодировки области задач, смотри протокол обмена");
        log.clear();
        return false;
    }
    int perName = kShortNameLength / pieceLength;
    if (pieceIndex == 0 || image_.FirstEnabled < 0) {
        auto first =
            std::find_if(tasks_.begin(), tasks_.end(), [](const auto& t) { return t->Enabled(); });
        image_.FirstEnabled =
            first == tasks_.end() ? TaskCount() : static_cast<int>(first - tasks_.begin());
    }
    int n = pieceLength * (pieceIndex % perName);
    int k = pieceIndex / perName;
    long position = static_cast<long>(image_.FirstEnabled) + k;
    log = "index=" + std::to_string(pieceIndex) + " dl=" + std::to_string(pieceLength) +
          " k8=" + std::to_string(perName) + " n=" + std::to_string(n) + " k=" + std::to_string(k);
    if (position >= TaskCount())
        return false;
    TParam& task = *tasks_[position];
    std::string name = n == 0 ? std::string(kShortNameLength, ' ') : task.ShortName();
    name.resize(kShortNameLength, ' ');
    size_t take = std::min<size_t>(pieceLength, bytes.size());
    std::memcpy(name.data() + n, bytes.data(), take);
    task.SetShortName(name);
    log += "        :" + name + ":";
    return !(position == TaskCount() - 1 && n + pieceLength == kShortNameLength);
}
