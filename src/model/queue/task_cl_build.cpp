// Building a task queue: the template and saved files, and the report of what went wrong.
#include "model/queue/task_cl.h"

#include "model/binary/le_fields.h"
#include "model/common/db_open.h"
#include "model/configdb/config_db.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace {
constexpr uint16_t kNamesParam = 0xF029;
constexpr uint16_t kF028Param = 0xF028;

std::string TemplateFileName(const std::string& taskDir, uint16_t moduleNumber) {
    return JoinPath(taskDir, Hex4(moduleNumber) + ".tsk");
}
}  // namespace

Task_CL::Task_CL(uint16_t moduleNumber, const std::string& dbHint, const std::string& moduleDir,
                 const std::string& taskDir, const std::string& savedFile, TSpisAlg* library,
                 bool allTasks)
    : AllTasks(allTasks), module_(std::make_unique<TModul>(library)), library_(library) {
    EnsureConfigDbOpen(dbHint);
    Reset();
    std::string errorText;
    if (!savedFile.empty()) {
        ReadFile(savedFile, 0, errorText, header_);
        if (errorText.empty() && header_.ModuleNumber > 0) {
            std::string templateName = TemplateFileName(taskDir, header_.ModuleNumber);
            if (module_->Load(header_.ModuleNumber, moduleDir, dbHint)) {
                TskHeader scratch;
                std::string templateError;
                templateCount_ = ReadFile(templateName, -1, templateError, scratch);
            }
            if (savedFile == templateName) {
                header_.TaskCount = static_cast<uint16_t>(templateCount_);
            } else {
                int saved = ReadFile(savedFile, 1, errorText, header_);
                header_.TaskCount = static_cast<uint16_t>(saved + templateCount_);
                files_.push_back(savedFile);
            }
        }
    } else {
        module_->Load(moduleNumber, moduleDir, dbHint);
        templateCount_ = ReadFile(TemplateFileName(taskDir, moduleNumber), -1, errorText, header_);
    }
    CollectReport(errorText);
    FindSpecialReferences();
}

Task_CL::Task_CL(const std::string& file) : module_(std::make_unique<TModul>(nullptr)) {
    std::string errorText;
    ReadFile(file, 0, errorText, header_);
    report_ = {header_.QueueName, Hex4(header_.ModuleNumber), IdText("-"), Utf8ToSys(file)};
}

void Task_CL::Reset() {
    tasks_.clear();
    image_.Clear();
    header_ = TskHeader{};
    queueId_ = 0;
    f028Flag_ = 0;
    f028Type_ = 132;
    templateCount_ = 0;
    hasF029_ = hasF028_ = false;
    files_.clear();
    report_.clear();
}

void Task_CL::FindSpecialReferences() {
    hasF029_ = FindInQueue(kNamesParam, 0).Task >= 0;
    QueueRef f028 = FindInQueue(kF028Param, 0);
    hasF028_ = f028.Task >= 0;
    if (hasF028_) {
        const TParam& task = *tasks_[f028.Task];
        f028Flag_ = task.ItemCount(f028.Entry) == 0 ? -1 : 0;
        f028Type_ = task.ValueType(f028.Entry);
    }
}

int Task_CL::ReadFile(const std::string& fileName, int mode, std::string& errorText,
                      TskHeader& dest) {
    EnsureConfigDbOpen(fileName);
    auto& db = ConfigDb();
    MemoryStream* stream = nullptr;
    std::unique_ptr<MemoryStream> fromDisk;
    if (mode < 0) {
        stream = db.GetStream(tKesh_BDZemra_forBDD7::ResolveName(fileName, dfkTaskQueue));
    } else if (db.HasFile(fileName)) {
        stream = db.GetStream(fileName);
    } else {
        fromDisk = tKesh_BDZemra_forBDD7::OpenFileStream(fileName);
        stream = fromDisk.get();
    }
    if (!stream) {
        errorText = Utf8ToSys("Не удалось открыть файл ") + "\"" + Utf8ToSys(fileName) + "\"";
        return 0;
    }
    stream->Seek(0);
    return ReadStream(*stream, fileName, mode, errorText, dest);
}

int Task_CL::ReadStream(MemoryStream& stream, const std::string& fileName, int mode,
                        std::string& errorText, TskHeader& dest) {
    const std::string damaged =
        Utf8ToSys("Нарушена структура файла ") + "\"" + Utf8ToSys(fileName) + "\"";
    uint8_t buf[TskHeaderSize];
    if (!ReadExact(stream, buf, TskHeaderSize)) {
        errorText = damaged;
        return 0;
    }
    dest = DecodeTskHeader(buf);
    int taskCount = dest.TaskCount;
    if (mode == 0) {
        if (IdFlagsValid(dest.IdFlags))
            queueId_ = dest.IdTable[0];
        return taskCount;
    }
    if (mode < 0) {
        std::copy(std::begin(dest.IdTable), std::end(dest.IdTable), std::begin(header_.IdTable));
        std::copy(std::begin(dest.SecondTable), std::end(dest.SecondTable),
                  std::begin(header_.SecondTable));
    }
    for (int i = 0; i < taskCount; ++i) {
        if (!ReadExact(stream, buf, TaskRecordSize)) {
            errorText = damaged;
            break;
        }
        TaskRecord record = DecodeTaskRecord(buf);
        if (mode < 0)
            record.Flags &= ~1;
        record.TaskIndex = static_cast<uint16_t>((record.Flags & 1) ? i : 0xFFFE - i);
        tasks_.push_back(std::make_unique<TParam>(record, module_->Algorithm(record.AlgNumber)));
        TParam& task = *tasks_.back();
        bool intact = true;
        for (unsigned g = 0; g < record.ParamCount && intact; ++g) {
            intact = ReadExact(stream, buf, ParamRecordSize);
            if (!intact)
                break;
            auto [entry, textLength] = task.LoadParamRecord(DecodeParamRecord(buf), g == 0);
            if (textLength <= 0)
                continue;
            std::string text;
            for (int at = 0; at < textLength && intact; at += 4) {
                if (at > 0)
                    intact = ReadExact(stream, buf, ParamRecordSize);
                size_t take = std::min(4, textLength - at);
                if (intact)
                    text.append(reinterpret_cast<const char*>(buf + ParamRecordTextOffset), take);
            }
            task.SetText(text, entry);
        }
        if (!intact) {
            errorText = damaged;
            break;
        }
    }
    return taskCount;
}

void Task_CL::CollectReport(const std::string& extraLine) {
    if (module_->HasErrors()) {
        module_->CopyErrorsTo(report_);
        module_->ClearErrors();
    }
    for (const auto& task : tasks_)
        task->AppendReport(report_);
    if (!extraLine.empty())
        report_.push_back(extraLine);
}
