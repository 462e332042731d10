// Reading and writing the a, s, r option triple of one section.
#include "reports/option_triple.h"

#include "platform/ini_file.h"

namespace {

int ReadSmall(const IniFile& ini, const std::string& section, const char* key) {
    return static_cast<int>(ini.ReadInteger(section, key, 0));
}

}  // namespace

OptionTriple ReadOptionTriple(const IniFile& ini, const std::string& section) {
    return {ReadSmall(ini, section, "a"), ReadSmall(ini, section, "s"),
            ReadSmall(ini, section, "r")};
}

void WriteOptionTriple(IniFile& ini, const std::string& section, const OptionTriple& triple) {
    ini.WriteInteger(section, "a", triple.Align);
    ini.WriteInteger(section, "s", triple.Style);
    ini.WriteInteger(section, "r", triple.Frame);
}

int FrameLineWidth(int frame) {
    return frame == flBold ? 2 : 1;
}
