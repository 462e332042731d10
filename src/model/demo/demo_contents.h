// The algorithms, module descriptions and template queues of the demo configuration database.
#pragma once

#include <vector>

#include "model/algorithms/alg_file.h"
#include "model/configdb/db_writer.h"
#include "model/queue/tsk_file.h"

// The template records of a task of `alg` with the algorithm's default values.
TskTaskBlock DefaultTaskBlock(const AlgFile& alg);
// The .alg, .mod and .tsk files of the demo database (without version.txt).
std::vector<DbFileContent> DemoDatabaseFiles();
