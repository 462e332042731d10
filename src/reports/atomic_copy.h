// Copying a file so that the target is either its old or its new contents, never half written.
#pragma once

#include <string>

// Copies from to to through a temporary file beside to and a rename; false (and to left as it
// was) when from cannot be read or to cannot be written.
bool CopyFileAtomic(const std::string& from, const std::string& to);
