// The demo configuration database: its files, and writing it as a directory and a zip archive.
#pragma once

#include <string>
#include <vector>

#include "model/configdb/db_writer.h"

// The files of the demo database: algorithms, modules, template task queues, version.txt.
std::vector<DbFileContent> DemoConfigDbFiles();

struct DemoConfigDbWritten {
    std::string directory;  // outDir/BD-Zemra
    std::string zip;        // outDir/BD-Zemra.zip
    size_t fileCount = 0;   // files in each of them
};

// Writes the demo database under outDir both as the directory "BD-Zemra" and as the archive
// "BD-Zemra.zip" of the same tree. False with error set when something cannot be written.
bool WriteDemoConfigDb(const std::string& outDir, DemoConfigDbWritten& written, std::string& error);
