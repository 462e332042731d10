// File and path helpers over std::filesystem; all paths are UTF-8 strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char PathDelim = '/';

bool FileExists(const std::string& path);       // a regular file (symlinks followed)
bool DirectoryExists(const std::string& path);  // a directory (symlinks followed)

std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);
// "dir/name.ext" -> "name.ext"; accepts "/" and "\" as delimiters.
std::string ExtractFileName(const std::string& path);
// "dir/name.ext" -> "dir/" (with the delimiter), "" when there is none.
std::string ExtractFilePath(const std::string& path);
// "dir/name.ext" -> ".ext"; "" when the file-name part has no dot.
std::string ExtractFileExt(const std::string& path);
// Replaces (or adds) the extension of the file-name part; ext includes the dot or is "".
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// File-name part without its extension.
std::string ExtractBaseName(const std::string& path);
// a + delimiter + b, without doubling the delimiter.
std::string JoinPath(const std::string& a, const std::string& b);

// ASCII upper/lower case; other bytes are left alone.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // ASCII case-insensitive equality
std::string Trim(std::string_view s);                   // strips bytes <= ' ' on both ends

// Names directly inside dir, sorted by name (byte order), "." and ".." excluded.
struct DirEntry {
    std::string name;
    bool isDirectory = false;
};
std::vector<DirEntry> ListDirectory(const std::string& dir);

// Whole contents of a file; nullopt when it cannot be read. maxBytes guards
// against reading huge files into memory (nullopt when the file is larger).
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path,
                                                  uint64_t maxBytes = UINT64_MAX);
// Writes through a temporary file in the same directory and a rename, so the target is
// either the old or the new contents, never half written.
bool WriteFileAtomic(const std::string& path, const void* data, size_t size);
bool WriteFileAtomic(const std::string& path, std::string_view text);

bool CopyFileOverwrite(const std::string& from, const std::string& to);
bool DeleteFileAt(const std::string& path);
bool RemoveDirectoryTree(const std::string& path);  // deletes a directory and all it holds
