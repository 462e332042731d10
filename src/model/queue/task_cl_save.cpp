// Saving a task queue to a .tsk file.
#include "model/queue/task_cl.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "model/binary/le_fields.h"
#include "model/common/db_open.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/prompts.h"

std::string Task_CL::TargetFileName(const std::string& path, bool useModuleSuffix,
                                    bool pathIsFileName) const {
    if (pathIsFileName && UpperCase(path).find(".TSK") != std::string::npos)
        return path;
    std::string suffix;
    if (useModuleSuffix && header_.ModuleWord60 != 0)
        suffix = '_' + Hex4(header_.ModuleWord60);
    return ExtractFilePath(path) + ExtractBaseName(path) + suffix + ".tsk";
}

TskFile Task_CL::ToTskFile() const {
    TskFile file;
    file.Header = header_;
    for (const auto& task : tasks_) {
        if (!AllTasks && !task->Enabled())
            continue;
        TskTaskBlock block;
        task->SaveTaskRecord(block.Task);
        ParamRecord record;
        for (int pos = 0; pos >= 0;) {
            auto [next, textLength] = task->SaveParamRecord(pos, record);
            if (next < 0)
                break;
            if (textLength > 0) {
                uint32_t slot = record.Value1 + 65536u * record.Value2;
                auto pieces = SplitTextRecords(record, task->GetText(slot), textLength);
                block.Records.insert(block.Records.end(), pieces.begin(), pieces.end());
            } else {
                block.Records.push_back(record);
            }
            pos = next;
        }
        file.Tasks.push_back(std::move(block));
    }
    file.Header.TaskCount = static_cast<uint16_t>(file.Tasks.size());
    return file;
}

bool Task_CL::SaveToFile(const std::string& path, bool useModuleSuffix, bool pathIsFileName) {
    EnsureConfigDbOpen(path);
    if (!ConfigDb().IsWritable(path)) {
        CurrentPrompts().Message("Velorm", "Запись в BD_Zemra.zip не поддерживается!",
                                 PromptIcon::Warning);
        return false;
    }
    std::string target = TargetFileName(path, useModuleSuffix, pathIsFileName);
    std::string dir = ExtractFilePath(target);
    if (!dir.empty() && !DirectoryExists(dir)) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec)
            throw std::runtime_error("cannot create directory " + dir + ": " + ec.message());
    }
    files_ = {target};

    // The queue may have changed since it was built: look for the F028h reference again.
    FindSpecialReferences();
    std::fill(std::begin(header_.IdTable), std::end(header_.IdTable), 0);
    std::fill(std::begin(header_.SecondTable), std::end(header_.SecondTable), 0);
    if (hasF028_) {
        BuildImage(true, true);
        ComputeId();
        header_.IdTable[0] = queueId_;
    } else {
        header_.IdFlags = 0;
    }

    std::vector<uint8_t> bytes = EncodeTskFile(ToTskFile());
    if (!WriteFileAtomic(target, bytes.data(), bytes.size()))
        throw std::runtime_error("cannot write " + target);
    return true;
}
