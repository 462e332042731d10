// Small configuration databases written into a test's temporary directory or a zip archive.
#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/zip_maker.h"

struct DbFile {
    std::string path;  // relative to the database root
    std::string contents;
};

// Two algorithms, a module, a task queue, version.txt ending with a line break, and a few
// files that are not database files.
std::vector<DbFile> SmallDbFiles();

// Writes the files under tmp/dir and returns the directory's full path.
std::string WriteTree(const TempDir& tmp, const std::string& dir, const std::vector<DbFile>& files);

// The files as zip items, each preceded by entries of the directories it lies in.
std::vector<ZipItem> AsZipItems(const std::vector<DbFile>& files);

// Reads the stream's bytes from its position to its end.
class MemoryStream;
std::string StreamText(MemoryStream* s);
