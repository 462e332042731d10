// INI files with the program's conventions: case-insensitive names, file order kept,
// "1"/"0" booleans, "$" hexadecimal integers, atomic saving.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

inline constexpr size_t kMaxIniFileBytes = 32 * 1024 * 1024;

// One INI file held in memory. The constructor reads the file when it exists (a missing
// or unreadable file gives an empty object); writes change the memory copy only, and
// Save() writes the whole file atomically. Text is UTF-8. Names of sections and keys
// compare without regard to (ASCII) letter case. Lines may end in LF or CR LF; binary
// junk, duplicate sections and keys (the last value wins) and a missing final newline
// are tolerated; a file larger than kMaxIniFileBytes is treated as unreadable.
// Names are trimmed of blanks. A value with blanks at either end, or one that is itself
// enclosed in double quotes, is written inside double quotes, and one pair of enclosing
// double quotes is removed on reading, so every written value reads back unchanged; line
// breaks in names and values are written as blanks, so a value cannot add lines to the file.
class IniFile {
  public:
    explicit IniFile(std::string path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::string& FileName() const { return path_; }
    // True when the file existed and was read by the constructor.
    bool Loaded() const { return loaded_; }

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    // Absent keys read as the default.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal, or hexadecimal after "$" (and "0x"); the default when absent or not a number.
    long long ReadInteger(const std::string& section, const std::string& key, long long def) const;
    // Any non-zero integer is true; the default when absent or not a number.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    // A number with "." or "," as decimal separator; the default when absent or invalid.
    double ReadFloat(const std::string& section, const std::string& key, double def) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, long long value);
    void WriteBool(const std::string& section, const std::string& key, bool value);  // "1"/"0"
    void WriteFloat(const std::string& section, const std::string& key, double value);

    // Section names in file order (new sections at the end).
    std::vector<std::string> ReadSections() const;
    // Key names of a section in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // key=value pairs of a section in file order.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(
        const std::string& section) const;

    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);
    void EraseAllSections();

    // Writes the file atomically (temporary file in the same directory, then rename).
    // Returns false when it could not be written; the old file is then untouched.
    bool Save();

  private:
    struct Impl;
    std::string path_;
    bool loaded_ = false;
    std::unique_ptr<Impl> impl_;
};
