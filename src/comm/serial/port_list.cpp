// Listing serial devices through sysfs and keeping their COM numbers in the settings file.
#include "comm/serial/port_list.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "platform/ini_file.h"

namespace fs = std::filesystem;

namespace {
const char kPortsSection[] = "Ports";

std::string ReadLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

// Maker and product of the nearest USB device above the port, else the driver's name.
std::string Describe(const fs::path& ttyDir) {
    std::error_code ec;
    fs::path dir = fs::canonical(ttyDir / "device", ec);
    for (int depth = 0; !ec && depth < 8 && dir.has_relative_path(); ++depth) {
        if (fs::exists(dir / "product", ec)) {
            const std::string maker = ReadLine(dir / "manufacturer");
            const std::string product = ReadLine(dir / "product");
            return maker.empty() ? product : maker + " " + product;
        }
        dir = dir.parent_path();
    }
    const fs::path driver = fs::read_symlink(ttyDir / "device" / "driver", ec);
    return ec ? std::string("Serial port") : driver.filename().string();
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ParseNumber(const std::string& text, int& number) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    number = std::stoi(text);
    return true;
}
}  // namespace

std::vector<SerialDeviceInfo> ScanSerialDevices(const std::string& sysClassTty) {
    std::vector<SerialDeviceInfo> devices;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysClassTty, ec)) {
        const fs::path dir = entry.path();
        if (!fs::exists(dir / "device", ec))
            continue;
        // Legacy ports exist whether or not a UART answers; type 0 means none was found.
        if (fs::exists(dir / "type", ec) && ReadLine(dir / "type") == "0")
            continue;
        devices.push_back({"/dev/" + dir.filename().string(), Describe(dir)});
    }
    std::sort(devices.begin(), devices.end(),
              [](const auto& a, const auto& b) { return a.device < b.device; });
    return devices;
}

std::string SerialDeviceForCom(const std::string& settingsFile, int com) {
    IniFile ini(settingsFile);
    return ini.ReadString(kPortsSection, "COM" + std::to_string(com),
                          "/dev/ttyS" + std::to_string(com - 1));
}

void ListSerialPorts(std::vector<std::string>& list, const std::string& settingsFile,
                     const std::vector<SerialDeviceInfo>& devices) {
    list.clear();
    IniFile ini(settingsFile);
    std::map<std::string, int> numbers;
    std::set<int> used;
    for (const auto& [key, device] : ini.ReadSectionValues(kPortsSection)) {
        int n = 0;
        if (key.size() > 3 && ParseNumber(key.substr(3), n)) {
            numbers[device] = n;
            used.insert(n);
        }
    }
    bool changed = false;
    for (const auto& d : devices) {
        if (numbers.count(d.device) != 0)
            continue;
        int n = 1;
        while (used.count(n) != 0)
            ++n;
        used.insert(n);
        numbers[d.device] = n;
        ini.WriteString(kPortsSection, "COM" + std::to_string(n), d.device);
        changed = true;
    }
    if (changed)
        ini.Save();
    for (const auto& d : devices)
        list.push_back("COM" + std::to_string(numbers[d.device]) + " - " + d.description + " (" +
                       d.device + ")");
}

int ParsePortEntry(const std::string& text, int& number) {
    if (text.empty())
        return 3;
    const auto dash = text.find('-');
    std::string middle;
    if (text.size() > 3)
        middle =
            dash == std::string::npos || dash < 3 ? text.substr(3, 3) : text.substr(3, dash - 3);
    int n = 0;
    if (!ParseNumber(Trim(middle), n))
        return 4;
    number = n;
    return 0;
}
