// Opening the program-wide configuration database on demand from a path inside it.
#include "model/common/db_open.h"

#include "model/configdb/config_db.h"
#include "platform/files.h"

bool EnsureConfigDbOpen(const std::string& pathInside) {
    auto& db = ConfigDb();
    if (db.DbOpened())
        return true;
    if (pathInside.empty())
        return false;
    if (!db.OpenFromFile(pathInside) && DirectoryExists(pathInside))
        db.OpenPath(pathInside);
    return db.DbOpened();
}
