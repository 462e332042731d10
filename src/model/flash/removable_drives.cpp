// Finding removable drives and a directory on them.
#include "model/flash/removable_drives.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/files.h"

namespace {
// Mount fields escape blanks and a few other bytes as \ooo.
std::string UnescapeMountField(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out.push_back(static_cast<char>(std::stoi(digits, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

bool ReadsOne(const std::string& file) {
    std::ifstream in(file);
    std::string value;
    return static_cast<bool>(in >> value) && value == "1";
}

// The disk a device name belongs to: itself when it is a disk, else the disk that has it as
// a partition; "" when none.
std::string DiskOf(const std::string& device, const std::string& sysBlock) {
    if (DirectoryExists(JoinPath(sysBlock, device)))
        return device;
    for (const DirEntry& disk : ListDirectory(sysBlock)) {
        if (DirectoryExists(JoinPath(JoinPath(sysBlock, disk.name), device)))
            return disk.name;
    }
    return "";
}

// The part of the path after its drive, without the leading delimiter.
std::string WithoutDrivePart(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        size_t skip = path.size() > 2 && (path[2] == '\\' || path[2] == '/') ? 3 : 2;
        return path.substr(skip);
    }
    std::vector<std::string> parts;
    std::stringstream ss(path);
    for (std::string part; std::getline(ss, part, '/');) {
        if (!part.empty())
            parts.push_back(part);
    }
    size_t drive = 1;
    if (parts.size() > 3 && parts[0] == "run" && parts[1] == "media")
        drive = 4;
    else if (parts.size() > 2 && parts[0] == "media")
        drive = 3;
    else if (parts.size() > 1 && parts[0] == "mnt")
        drive = 2;
    std::string rest;
    for (size_t i = drive; i < parts.size(); ++i)
        rest += (rest.empty() ? "" : "/") + parts[i];
    return rest;
}
}  // namespace

int ListRemovableDrives(std::vector<std::string>& list, const RemovableDriveSources& sources) {
    list.clear();
    std::ifstream mounts(sources.Mounts);
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint) || device.rfind("/dev/", 0) != 0)
            continue;
        std::string disk = DiskOf(ExtractFileName(device), sources.SysBlock);
        if (disk.empty() || !ReadsOne(JoinPath(JoinPath(sources.SysBlock, disk), "removable")))
            continue;
        std::string root = IncludeTrailingPathDelimiter(UnescapeMountField(mountPoint));
        if (std::find(list.begin(), list.end(), root) == list.end())
            list.push_back(root);
    }
    std::sort(list.begin(), list.end());
    return list.size() == 1 ? 0 : -1;
}

std::string FindOnRemovableDrives(const std::string& path, std::vector<std::string>& list,
                                  const RemovableDriveSources& sources) {
    if (DirectoryExists(path))
        return path;
    ListRemovableDrives(list, sources);
    std::string rest = WithoutDrivePart(path);
    for (const std::string& root : list) {
        std::string candidate = root + rest;
        if (DirectoryExists(candidate))
            return candidate;
    }
    return "";
}
