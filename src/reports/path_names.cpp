// Refusing names that could lead a path out of its directory.
#include "reports/path_names.h"

#include <algorithm>

bool CheckPathName(const std::string& name, std::string& message) {
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
    if (!name.empty() && !control && name.find_first_of("/\\:") == std::string::npos &&
        name.find("..") == std::string::npos)
        return true;
    std::string shown = name;
    std::replace_if(
        shown.begin(), shown.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    message = "Недопустимое имя \"" + shown +
              "\": в имени не должно быть символов / \\ :, \"..\" и управляющих символов";
    return false;
}
