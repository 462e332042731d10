// Rebuilding and saving a controller's task queue from a set of archive files.
#include "model/flash/restore_queue.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "model/algorithms/spis_alg.h"
#include "model/configdb/config_db.h"
#include "model/flash/check_archive.h"
#include "model/flash/find_archive_set.h"
#include "model/flash/list_archive_blocks.h"
#include "model/queue/task_cl.h"
#include "platform/codepage.h"
#include "platform/file_search.h"
#include "platform/files.h"

namespace {
std::string Hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
    return buf;
}

RestoreQueueResult Fail(int code, const std::string& utf8Message) {
    return RestoreQueueResult{code, "", Utf8ToSys(utf8Message)};
}

// Result codes 0-7 with their message, then " " and the detail.
RestoreQueueResult CheckFailure(int code, const std::string& detail) {
    const char* text = "";
    switch (code) {
        case 0:
            text = "Не указан путь к базе данных Zemra";
            break;
        case 1:
            text = "Не существует каталог базы данных Zemra ";
            break;
        case 5:
            text = "В базе данных Zemra отсутствует описание модуля ";
            break;
        case 6:
            text = "В базе данных Zemra отсутствует описание шаблона задач ";
            break;
        case 7:
            text = "Не существует каталог для сохранения очереди задач ";
            break;
    }
    return Fail(code, std::string(text) + " " + detail);
}

bool ReadHex(const std::string& text, unsigned& value) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
        return false;
    value = static_cast<unsigned>(std::stoul(text, nullptr, 16));
    return true;
}

struct ArchiveParam {
    uint16_t AlgNumber;
    uint16_t ArchiveKind;
    uint16_t ItemCount;
};

std::vector<ArchiveParam> CollectArchiveParams(const Task_CL& queue) {
    std::vector<ArchiveParam> params;
    for (int start = 0; start >= 0;) {
        ArchiveParamFind f = queue.FindArchiveParam(start);
        if (!f.Found || f.NextStart <= start)
            break;
        params.push_back({f.AlgNumber, f.ArchiveKind, f.ItemCount});
        start = f.NextStart;
    }
    return params;
}

// Adds an enabled task for every block row whose depth matches an archive parameter of the
// file's kind; its entries all refer to the block. Returns the number of rows listed.
int AddBlockTasks(Task_CL& queue, const std::vector<ArchiveParam>& params, const std::string& file,
                  int kind) {
    std::vector<std::string> rows;
    int count = ListArchiveBlocks(file, rows, true);
    for (int row = 0; row < count; ++row) {
        const std::string* texts = &rows[static_cast<size_t>(row) * kBlockRowTexts];
        int depth = std::stoi(texts[brDepth]);
        const ArchiveParam* match = nullptr;
        for (const ArchiveParam& p : params) {
            if (p.ArchiveKind == kind + 1 && p.ItemCount == depth) {
                match = &p;
                break;
            }
        }
        unsigned blockId = 0;
        if (!match || !ReadHex(texts[brId], blockId))
            continue;
        Task_CL::AddedTask added = queue.AddTaskAt(match->AlgNumber, -1);
        TParam* task = queue.TaskAt(added.Position);
        if (!task)
            continue;
        task->SetShortName(texts[brShortName]);
        task->ResetFromAlgorithm();
        for (int e = 0; e < task->EntryCount(); ++e) {
            task->SetValue1(e, static_cast<uint16_t>(blockId));
            task->SetValue2(e, 0);
        }
    }
    return count;
}

RestoreQueueResult RestoreFromSet(const ArchiveSet& names, int chosenKind,
                                  const std::string& dbPath, const std::string& outputDir,
                                  const std::string& queueName, const std::string& outputFileName,
                                  const std::string& subdirectory) {
    ArchiveFileInfo info = CheckArchiveFile(names[chosenKind]);
    if (!info.Error.empty())
        return RestoreQueueResult{100, "", info.Error};
    if (info.ModuleNumber < 4)
        return Fail(100,
                    "Выбран файл с данными для Halvor 10, Pellan,\rархивную очередь задач можно "
                    "восстановить \rтолько для модулей серии Zemra");

    const std::string m = Hex4(info.ModuleNumber);
    if (!ConfigDb().DbOpened())
        return CheckFailure(1, ConfigDb().DbPath());
    if (dbPath.empty())
        return CheckFailure(0, "");
    if (!DirectoryExists(outputDir))
        return CheckFailure(7, outputDir);
    if (!ConfigDb().HasFile(m + ".mod"))
        return CheckFailure(5, m + ".mod");
    if (!ConfigDb().HasFile(m + ".tsk"))
        return CheckFailure(6, m + ".tsk");

    std::string targetDir = outputDir;
    std::string sub = Trim(subdirectory);
    if (!sub.empty()) {
        targetDir = JoinPath(outputDir, sub);
        std::string message;
        if (!CreateDirectoryPath(targetDir, message))
            return CheckFailure(7, targetDir);
    }
    std::string baseName =
        outputFileName.empty() ? m + "_" + Hex4(info.ModuleWord) : outputFileName;
    RestoreQueueResult result;
    result.SavedPath = ChangeFileExt(IncludeTrailingPathDelimiter(targetDir) + baseName, ".tsk");

    TSpisAlg library;
    Task_CL queue(info.ModuleNumber, "", "", "", JoinPath(JoinPath(dbPath, "TASK"), m + ".tsk"),
                  &library, false);
    std::vector<ArchiveParam> params = CollectArchiveParams(queue);
    if (params.empty()) {
        result.Message = Utf8ToSys("для данного модуля отсутствуют архивные задачи");
        return result;
    }
    int lastListed = 0;
    for (int kind = 0; kind < kArchiveKindCount; ++kind) {
        if (!names[kind].empty())
            lastListed = AddBlockTasks(queue, params, names[kind], kind);
    }
    if (queue.TaskCount() <= queue.TemplateCount() || lastListed == 0) {
        result.Message = Utf8ToSys("Возникла ошибка чтения архивов из файла");
        return result;
    }
    queue.Header().ModuleWord60 = info.ModuleWord;
    queue.SetQueueName(queueName.empty() ? m + "_" + Hex4(info.ModuleWord) : queueName);
    try {
        if (!queue.SaveToFile(result.SavedPath, false, true)) {
            result.Message = Utf8ToSys("Запись в BD_Zemra.zip не поддерживается!");
            return result;
        }
    } catch (const std::runtime_error& e) {
        result.Message = Utf8ToSys(e.what());
        return result;
    }
    result.Code = -1;
    result.Message = Utf8ToSys("Очередь задач сохранена на диске\r" + result.SavedPath);
    return result;
}
}  // namespace

RestoreQueueResult RestoreQueueFromFile(const std::string& archiveFile, const std::string& dbPath,
                                        const std::string& outputDir, const std::string& queueName,
                                        const std::string& outputFileName,
                                        const std::string& subdirectory) {
    int kind = ArchiveKindOfExtension(archiveFile);
    if (kind < 0)
        return Fail(100, "Файл " + archiveFile + " не является архивным файлом");
    ArchiveSet names;
    names[kind] = archiveFile;
    std::string message;
    int chosen = FindArchiveSet(names, "", message);
    if (chosen < 0)
        return RestoreQueueResult{100, "", message};
    return RestoreFromSet(names, chosen, dbPath, outputDir, queueName, outputFileName,
                          subdirectory);
}

RestoreQueueResult RestoreQueueFromDir(const std::string& dir, const std::string& dbPath,
                                       const std::string& outputDir, const std::string& queueName,
                                       const std::string& outputFileName,
                                       const std::string& subdirectory) {
    ArchiveSet names;
    std::string message;
    int chosen = FindArchiveSet(names, dir, message);
    if (chosen < 0)
        return RestoreQueueResult{100, "", message};
    return RestoreFromSet(names, chosen, dbPath, outputDir, queueName, outputFileName,
                          subdirectory);
}
