// Where the report library "replib" lives.
#pragma once

#include <string>

// <program dir>/replib when that directory exists (a build tree), else
// <program dir>/../share/velorm/replib (an installed program: <prefix>/bin and
// <prefix>/share/velorm).
std::string ReportLibraryDir();
