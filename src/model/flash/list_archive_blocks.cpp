// Listing the blocks of an archive file as rows of eight texts.
#include "model/flash/list_archive_blocks.h"

#include <cstdio>

#include "model/flash/archive_file_reader.h"
#include "model/flash/archive_time.h"
#include "platform/format_settings.h"

namespace {
std::string StepText(float step) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", static_cast<double>(step));
    std::string text = buf;
    for (char& c : text) {
        if (c == '.')
            c = CurrentFormatSettings().DecimalSeparator;
    }
    return text;
}

std::string HexId(unsigned id) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", id);
    return buf;
}

void AppendRow(const BlockHeader& b, bool bcd, bool current, std::vector<std::string>& list) {
    std::string shortName;
    for (uint8_t c : b.BlockShortName) {
        if (c > 31)
            shortName.push_back(static_cast<char>(c));
    }
    list.push_back(current ? HexId(b.BlockId) : std::to_string(b.BlockId));
    list.push_back(std::to_string(b.Depth));
    list.push_back(b.BlockName);
    list.push_back(shortName);
    list.push_back(FormatArchiveTime("dd/mm/yyyy hh:nn:ss", DecodeArchiveTime(b.BlockTime, bcd)));
    list.push_back(StepText(b.Step));
    list.push_back(std::to_string(current ? b.BlockExtra : b.RecordCount));
    list.push_back(std::to_string(b.RecordCount));
}

// Old-layout sub-channel blocks: the high four bits of the short name's first byte are 1-7.
bool IsSubChannelRow(const std::vector<std::string>& list, size_t row) {
    const std::string& shortName = list[row * kBlockRowTexts + brShortName];
    if (shortName.empty())
        return false;
    int high = static_cast<unsigned char>(shortName[0]) >> 4;
    return high >= 1 && high <= 7;
}
}  // namespace

int ListArchiveBlocks(const std::string& fileName, std::vector<std::string>& list,
                      bool dropSubChannels) {
    list.clear();
    ArchiveFileReader reader;
    ArchiveHeaders h;
    if (!reader.Open(fileName) || !reader.ReadHeaders(h))
        return 0;
    const bool bcd = h.IsBcd(), current = h.IsCurrentLayout();
    for (int32_t i = 0; i < h.BlockCount; ++i) {
        BlockHeader b;
        if (!reader.ReadBlockHeader(b) || !reader.SkipRecords(b.RecordCount)) {
            list.clear();
            return 0;
        }
        if (b.RecordCount > 0)
            AppendRow(b, bcd, current, list);
    }
    if (!current && dropSubChannels) {
        for (size_t row = list.size() / kBlockRowTexts; row-- > 0;) {
            if (IsSubChannelRow(list, row)) {
                auto first = list.begin() + static_cast<std::ptrdiff_t>(row * kBlockRowTexts);
                list.erase(first, first + kBlockRowTexts);
            }
        }
    }
    return static_cast<int>(list.size() / kBlockRowTexts);
}
