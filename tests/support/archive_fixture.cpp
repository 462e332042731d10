// Archive files for tests, built with the program's own archive writer.
#include "support/archive_fixture.h"

#include <cstdio>

ArchiveBlockSpec FixtureBlock(uint16_t id, TDateTime time, float step,
                              const std::vector<float>& values, uint16_t depth) {
    ArchiveBlockSpec b;
    b.BlockId = id;
    b.Depth = depth != 0 ? depth : static_cast<uint16_t>(values.size());
    char name[16];
    std::snprintf(name, sizeof name, "Block %u", unsigned{id});
    b.BlockName = std::string(name);
    std::snprintf(name, sizeof name, "B%u", unsigned{id});
    b.BlockShortName = std::string(name);
    b.BlockTime = time;
    b.Step = step;
    for (size_t i = 0; i < values.size(); ++i)
        b.Records.push_back(RecordOf(values[i], static_cast<uint16_t>(i)));
    return b;
}

ArchiveFileSpec FixtureFile(bool bcd, bool crc, bool currentLayout, TDateTime fileTime,
                            std::vector<ArchiveBlockSpec> blocks, uint32_t seriesId) {
    ArchiveFileSpec f;
    f.Bcd = bcd;
    f.Crc = crc;
    f.SeriesId = seriesId;
    f.ModuleWord = 0x1234;
    f.FileTime = fileTime;
    f.ModuleNumber = currentLayout ? 4 : 2;
    f.Blocks = std::move(blocks);
    return f;
}

std::string WriteArchiveFixture(const TempDir& dir, const std::string& name,
                                const ArchiveFileSpec& spec) {
    return WriteTruncatedFixture(dir, name, spec, SIZE_MAX);
}

std::string WriteTruncatedFixture(const TempDir& dir, const std::string& name,
                                  const ArchiveFileSpec& spec, size_t size) {
    std::vector<uint8_t> bytes = EncodeArchiveFile(spec);
    if (size < bytes.size())
        bytes.resize(size);
    return dir.WriteFile(name, std::string(bytes.begin(), bytes.end()));
}
