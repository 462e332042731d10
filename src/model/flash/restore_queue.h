// Rebuilding and saving a controller's task queue from a set of archive files.
#pragma once

#include <string>

struct RestoreQueueResult {
    // -1 saved; 0, 1, 5, 6, 7 a missing database, database file or directory; 100 any
    // other failure.
    int Code = 100;
    std::string SavedPath;
    std::string Message;  // cp1251
};

// The set of the file's writing is looked for in the file's directory.
RestoreQueueResult RestoreQueueFromFile(const std::string& archiveFile, const std::string& dbPath,
                                        const std::string& outputDir, const std::string& queueName,
                                        const std::string& outputFileName,
                                        const std::string& subdirectory);
// The newest writing of the directory is used.
RestoreQueueResult RestoreQueueFromDir(const std::string& dir, const std::string& dbPath,
                                       const std::string& outputDir, const std::string& queueName,
                                       const std::string& outputFileName,
                                       const std::string& subdirectory);
