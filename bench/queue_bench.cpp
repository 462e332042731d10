// Benchmark: loading a saved queue of 1,000 tasks over a database of 250 algorithms, encoding
// its task-area image and computing its identifier. Prints milliseconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/binary/le_fields.h"
#include "model/configdb/config_db.h"
#include "model/configdb/db_writer.h"
#include "model/queue/task_cl.h"
#include "platform/files.h"

namespace {

constexpr int kAlgorithms = 250;
constexpr int kTasks = 1000;
constexpr uint16_t kModule = 0x07B0;

AlgParamRecord Param(uint16_t internal, bool reference, uint8_t size, uint16_t textChars) {
    AlgParamRecord r;
    r.InternalNumber = internal;
    r.Name = "param " + std::to_string(internal);
    r.ShortName = std::to_string(internal);
    r.ItemSize = size;
    r.ItemCount = textChars;
    r.TypeCode = reference ? 3 : 0;
    r.FlagsA = MakeFlagsA(!reference, reference ? 1 : 0);
    r.FlagsB = MakeFlagsB(reference, 1, 2);
    r.FlagsC = MakeFlagsC(textChars > 0, 0);
    return r;
}

// Twelve parameters: six references, four values, two texts.
AlgFile Algorithm(uint16_t number) {
    AlgFile f;
    f.Header.Name = "algorithm " + std::to_string(number);
    f.Header.Number = number;
    for (uint16_t i = 1; i <= 12; ++i)
        f.Params.push_back(Param(i, i <= 6, i <= 10 ? 4 : 1, i > 10 ? 16 : 0));
    f.Header.ParamCount = static_cast<uint16_t>(f.Params.size());
    return f;
}

double Ms(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
        .count();
}

}  // namespace

int main() {
    std::string dir = (std::filesystem::temp_directory_path() / "velorm-bench-XXXXXX").string();
    if (!mkdtemp(dir.data()))
        return 1;
    std::vector<DbFileContent> files{{"version.txt", {'1'}}};
    std::vector<AlgFile> algs;
    ModFile mod;
    mod.Header.ModuleName = "bench";
    mod.Header.ModuleNumber = kModule;
    mod.Header.AreaBase = 0x0100;
    mod.Header.AreaLimit[0] = mod.Header.AreaLimit[1] = mod.Header.AreaLimit[2] = 0xFFFF;
    for (int i = 0; i < kAlgorithms; ++i) {
        algs.push_back(Algorithm(static_cast<uint16_t>(0x0100 + i)));
        files.push_back(
            {"ALG/" + LowerCase(Hex4(0x0100 + i)) + ".alg", EncodeAlgFile(algs.back())});
        mod.Entries.push_back({0, static_cast<uint16_t>(0x0100 + i), static_cast<uint16_t>(i + 1)});
    }
    mod.Header.AlgCount = kAlgorithms;
    files.push_back({"MOD/" + LowerCase(Hex4(kModule)) + ".mod", EncodeModFile(mod)});
    TskFile tmpl;
    tmpl.Header.ModuleNumber = kModule;
    files.push_back({"TASK/" + LowerCase(Hex4(kModule)) + ".tsk", EncodeTskFile(tmpl)});
    std::string error;
    std::string root = dir + "/db";
    if (!WriteDbDirectory(root, files, error))
        return 1;

    TskFile saved = tmpl;
    for (int t = 0; t < kTasks; ++t) {
        TskTaskBlock block = DefaultTaskBlock(algs[t % kAlgorithms]);
        block.Task.Flags = static_cast<uint8_t>(1 | ((1 + t % 5) << 1));
        for (int r = 0; r < 6; ++r)
            block.Records[r].Value1 = static_cast<uint16_t>(0x0100 + (t * 7 + r * 13) % 3000);
        saved.Tasks.push_back(std::move(block));
    }
    saved.Header.TaskCount = kTasks;
    std::string savedPath = dir + "/saved.tsk";
    auto bytes = EncodeTskFile(saved);
    WriteFileAtomic(savedPath, bytes.data(), bytes.size());

    TSpisAlg library;
    auto start = std::chrono::steady_clock::now();
    ConfigDb().OpenPath(root);
    Task_CL queue(0, root, "", "", savedPath, &library, false);
    double load = Ms(start);
    start = std::chrono::steady_clock::now();
    queue.BuildImage(true, true);
    double image = Ms(start);
    start = std::chrono::steady_clock::now();
    queue.ComputeId();
    double id = Ms(start);

    std::printf("queue of %d tasks over %d algorithms (%zu report lines)\n", queue.TaskCount(),
                kAlgorithms, queue.Report().size());
    std::printf("  load (database, module, algorithms, tasks)  %8.2f ms\n", load);
    std::printf("  BuildImage (%zu + %zu + %zu bytes)           %8.2f ms\n",
                queue.Image().TaskTable.size(), queue.Image().ParamArea.size(),
                queue.Image().FlexTable.size(), image);
    std::printf("  ComputeId                                   %8.2f ms\n", id);
    std::filesystem::remove_all(dir);
    return 0;
}
