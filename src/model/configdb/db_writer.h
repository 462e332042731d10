// Writing a configuration database from a list of files, as a directory tree or a zip archive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DbFileContent {
    std::string relativePath;  // "/"-separated, UTF-8, e.g. "ALG/01a4.alg"
    std::vector<uint8_t> bytes;
};

// Writes every file under dir, creating the directories on the way; each file is replaced
// as a whole. False with error set when a path leaves dir or something cannot be written.
bool WriteDbDirectory(const std::string& dir, const std::vector<DbFileContent>& files,
                      std::string& error);

// Writes the files into a new zip archive that replaces zipPath as a whole: an entry for
// each directory (in order of first use), then the deflated file. Names that are not ASCII
// are stored in UTF-8 and flagged so.
bool WriteDbZip(const std::string& zipPath, const std::vector<DbFileContent>& files,
                std::string& error);
