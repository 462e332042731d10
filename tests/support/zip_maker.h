// Zip archives for tests, written by real zip writers (python3's zipfile, the zip tool).
#pragma once

#include <string>
#include <vector>

enum class ZipNameCoding {
    Standard,       // ASCII as is; other names UTF-8 with the UTF-8 flag (bit 11) set
    Cp866,          // name bytes in cp866 without the flag, as DOS-era archivers write them
    Utf8Unflagged,  // UTF-8 name bytes without the flag, as the zip tool on Linux writes them
};

struct ZipItem {
    std::string name;      // UTF-8; a name ending in "/" is a directory entry
    std::string contents;  // written repeat times in a row
    ZipNameCoding coding = ZipNameCoding::Standard;
    size_t repeat = 1;
};

// Writes the items in order into a deflated archive with python3's zipfile.
bool MakeZipWithPython(const std::string& zipPath, const std::vector<ZipItem>& items);
// Archives everything under dir (paths relative to dir) with `zip -r`.
bool MakeZipWithTool(const std::string& dir, const std::string& zipPath);

// Whole file as bytes, and writing it back (for damaging archives on purpose).
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
