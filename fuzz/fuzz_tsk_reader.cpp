// Fuzz target: a saved task-queue file of any bytes read over the demo template, then
// encoded into its image and saved back into memory.
#include <cstddef>
#include <cstdint>

#include "fuzz_db.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto queue = FuzzTemplateQueue();
    MemoryStream stream(std::vector<uint8_t>(data, data + size));
    std::string error;
    TskHeader header;
    queue->ReadStream(stream, "fuzz.tsk", 1, error, header);
    queue->CollectReport(error);
    queue->BuildImage(true, true);
    queue->ComputeId();
    queue->IdText(" ");
    return 0;
}
