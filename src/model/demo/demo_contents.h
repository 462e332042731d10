// The algorithms, module descriptions and template queues of the demo configuration database.
#pragma once

#include <vector>

#include "model/configdb/db_writer.h"

// The .alg, .mod and .tsk files of the demo database (without version.txt).
std::vector<DbFileContent> DemoDatabaseFiles();
