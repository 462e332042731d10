// Removable drives from a mount table and block-device flags, and finding a directory on them.
#include <gtest/gtest.h>

#include "model/flash/removable_drives.h"
#include "support/temp_dir.h"

namespace {
struct FakeSystem {
    TempDir dir;
    RemovableDriveSources sources;

    explicit FakeSystem(const std::string& mounts) {
        sources.Mounts = dir.WriteFile("mounts", mounts);
        sources.SysBlock = dir.MakeDir("block");
        Disk("sda", "0", {"sda1"});
        Disk("sdb", "1", {"sdb1", "sdb2"});
        Disk("sdc", "1", {});
    }
    void Disk(const std::string& name, const std::string& removable,
              const std::vector<std::string>& parts) {
        dir.WriteFile("block/" + name + "/removable", removable + "\n");
        for (const std::string& p : parts)
            dir.MakeDir("block/" + name + "/" + p);
    }
};

TEST(ListRemovableDrives, MountsOfRemovableDisksAndTheirPartitions) {
    FakeSystem sys(
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb2 /media/u/STICK\\040TWO vfat rw 0 0\n"
        "/dev/sdc /media/u/CARD vfat rw 0 0\n"
        "/dev/sdb1 /media/u/BACKUP vfat rw 0 0\n"
        "/dev/sdz1 /media/u/GONE vfat rw 0 0\n");
    std::vector<std::string> list = {"stale"};
    EXPECT_EQ(ListRemovableDrives(list, sys.sources), -1);
    EXPECT_EQ(list, (std::vector<std::string>{"/media/u/BACKUP/", "/media/u/CARD/",
                                              "/media/u/STICK TWO/"}));

    FakeSystem one("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /mnt/usb vfat rw 0 0\n");
    EXPECT_EQ(ListRemovableDrives(list, one.sources), 0);
    EXPECT_EQ(list, (std::vector<std::string>{"/mnt/usb/"}));

    RemovableDriveSources none{one.dir / "no-mounts", one.dir / "no-block"};
    EXPECT_EQ(ListRemovableDrives(list, none), -1);
    EXPECT_TRUE(list.empty());
}

TEST(FindOnRemovableDrives, MovesAPathToTheDriveThatHoldsIt) {
    TempDir media;
    std::string stick = media.MakeDir("STICK");
    std::string card = media.MakeDir("CARD");
    media.MakeDir("CARD/ARC/2024");
    FakeSystem sys("/dev/sdb1 " + stick + " vfat rw 0 0\n/dev/sdc " + card + " vfat rw 0 0\n");
    std::vector<std::string> list;

    std::string existing = media / "CARD/ARC";
    EXPECT_EQ(FindOnRemovableDrives(existing, list, sys.sources), existing);
    EXPECT_EQ(FindOnRemovableDrives("/media/u/OLD/ARC/2024", list, sys.sources),
              card + "/ARC/2024");
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(FindOnRemovableDrives("/run/media/u/OLD/ARC/2024", list, sys.sources),
              card + "/ARC/2024");
    EXPECT_EQ(FindOnRemovableDrives("E:\\ARC", list, sys.sources), card + "/ARC");
    EXPECT_EQ(FindOnRemovableDrives("/media/u/OLD/NOPE", list, sys.sources), "");
}
}  // namespace
