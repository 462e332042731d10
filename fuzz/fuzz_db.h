// The demo configuration database, written once into a scratch directory and opened for
// the fuzz targets that need module descriptions and algorithms.
#pragma once

#include <memory>
#include <string>

#include "model/algorithms/spis_alg.h"
#include "model/queue/task_cl.h"

// The database root; the database is open after the first call.
const std::string& FuzzDbRoot();
// A program-wide algorithm library over that database.
TSpisAlg& FuzzLibrary();
// The template queue of the demo module 07A1.
std::unique_ptr<Task_CL> FuzzTemplateQueue();
