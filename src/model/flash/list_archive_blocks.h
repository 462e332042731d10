// Listing the blocks of an archive file as rows of eight texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Texts of one block row, in list order.
enum BlockRowText {
    brId = 0,         // current layout: four upper-case hex digits; old layout: decimal
    brDepth = 1,      // decimal
    brName = 2,       // cp1251
    brShortName = 3,  // the short name's character bytes above 31, cp1251
    brTime = 4,       // "dd.mm.yyyy hh:nn:ss"
    brStep = 5,       // decimal, with the decimal separator of the format settings
    brExtra = 6,      // current layout: BlockExtra; old layout: RecordCount
    brRecordCount = 7,
};
inline constexpr size_t kBlockRowTexts = 8;

// Clears list and appends eight texts for each block that has records. With
// dropSubChannels, rows of sub-channel blocks of old-layout files are removed. Any read
// failure leaves the list empty. Returns the number of rows.
int ListArchiveBlocks(const std::string& fileName, std::vector<std::string>& list,
                      bool dropSubChannels);
