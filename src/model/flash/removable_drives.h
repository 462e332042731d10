// Finding removable drives (mounted file systems of removable block devices) and a
// directory on them.
#pragma once

#include <string>
#include <vector>

// Where the system tells about mounts and block devices; tests point these at temp dirs.
struct RemovableDriveSources {
    std::string Mounts = "/proc/mounts";
    std::string SysBlock = "/sys/block";
};

// Clears list and fills it with the mount points of removable block devices (a partition
// counts as removable when its disk is), in mount-point order. 0 when exactly one drive was
// found, else -1.
int ListRemovableDrives(std::vector<std::string>& list,
                        const RemovableDriveSources& sources = RemovableDriveSources());

// The path itself when it is an existing directory; else the same path below the root of
// the first listed removable drive on which it exists; else "". The drive part of the path
// is a Windows drive ("E:\"), or a mount point under /media/USER, /run/media/USER or /mnt,
// or else its first component.
std::string FindOnRemovableDrives(const std::string& path, std::vector<std::string>& list,
                                  const RemovableDriveSources& sources = RemovableDriveSources());
