// Facts about the running program: its version, its file, its data directory.
#pragma once

#include <string>

// Version text compiled into the program, e.g. "0.1.0".
std::string ProgramVersion();

// Full path of the running executable ("" when it cannot be found).
std::string ProgramFile();

// Directory of the running executable, with a trailing delimiter.
std::string ProgramDir();

// Modification time of the running executable as a TDateTime (0 when unknown).
double ProgramFileDate();
