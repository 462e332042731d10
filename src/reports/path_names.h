// Names from users or controllers that become parts of file names.
#pragma once

#include <string>

// True when name can be used inside one file or directory name: it is not empty and holds no
// path delimiter ("/" or "\"), no "..", no drive colon and no control character. Otherwise
// false with message saying why.
bool CheckPathName(const std::string& name, std::string& message);
