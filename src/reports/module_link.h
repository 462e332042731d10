// A module's files: the archive kinds of a module report file and the module numbers.
#pragma once

#include <string>

// True when Report/TypeH, TypeD or TypeM of the module report file reads non-zero.
bool HasArchiveKinds(const std::string& path);

// For a path ending exactly in ".tsk": the task queue's name, factory number and network
// number are set in its header and the file is rewritten in place (the tasks are kept byte
// for byte). For one ending exactly in ".ini": Common/Zn = serial as four hexadecimal
// digits, Common/Setn = network number as two, Common/WayFlash = "". Other files are left
// alone. name is UTF-8. False when a file to change could not be read or written.
bool SetModuleNumbers(const std::string& path, int networkNumber, int serialNumber,
                      const std::string& name);
