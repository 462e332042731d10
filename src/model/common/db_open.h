// Opening the program-wide configuration database on demand from a path inside it.
#pragma once

#include <string>

// Makes sure ConfigDb() is open: when it is not, it is opened from the file name or path
// (its directory and parents), or from the path itself when that is a database directory.
// Returns whether the database is open.
bool EnsureConfigDbOpen(const std::string& pathInside);
