// libFuzzer target: archive file checking, block listing and reading on arbitrary bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/flash/check_archive.h"
#include "model/flash/list_archive_blocks.h"
#include "model/flash/list_archive_dir.h"
#include "model/flash/read_archive.h"

namespace {
// One file per process, rewritten for every input.
const std::string& InputFile() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("velorm-archive-fuzz-" + std::to_string(getpid()) + ".HNS"))
                                        .string();
    return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& file = InputFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ArchiveFileInfo info = CheckArchiveFile(file);
    ArchiveFileIntact(file);
    std::vector<std::string> rows;
    ListArchiveBlocks(file, rows, true);
    ListArchiveBlocks(file, rows, false);

    // The kind and block id to read come from the bytes after the headers, where they vary.
    int kind = size > 33 ? data[32] % 5 : 0;
    uint16_t blockId = size > 33 ? static_cast<uint16_t>(data[32] | (data[33] << 8)) : 0;
    TDateTime from = info.FileTime - 30, to = size % 2 ? 0 : info.FileTime;
    try {
        ReadArchiveFile(file, blockId, kind, from, to);
        ReadArchiveFile(file, blockId, (kind + 2) % 5, 0, 0);
    } catch (const ArchiveReadError&) {
        // A file shorter than it announces: the documented outcome.
    }
    return 0;
}
