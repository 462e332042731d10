// Serial ports found in a fake sysfs tree, their COMn numbers kept in the settings file.
#include "comm/serial/port_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_file.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
// A /sys tree with a USB adapter, a detected and an undetected legacy port and a virtual
// console, and a settings file beside it.
class FakeSysfs : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string usb = dir.MakeDir("sys/devices/usb1/1-1");
        dir.WriteFile("sys/devices/usb1/1-1/manufacturer", "FTDI\n");
        dir.WriteFile("sys/devices/usb1/1-1/product", "USB-RS485 Cable\n");
        dir.MakeDir("sys/devices/usb1/1-1/1-1:1.0/ttyUSB0");
        dir.MakeDir("sys/drivers/serial8250");
        dir.MakeDir("sys/devices/platform/serial8250");
        fs::create_directory_symlink(dir / "sys/drivers/serial8250",
                                     dir / "sys/devices/platform/serial8250/driver");
        AddTty("ttyUSB0", usb + "/1-1:1.0/ttyUSB0", "");
        AddTty("ttyS0", dir / "sys/devices/platform/serial8250", "0");
        AddTty("ttyS1", dir / "sys/devices/platform/serial8250", "4");
        dir.MakeDir("sys/class/tty/tty0");
        settings = dir / "Velorm.ini";
    }

    void AddTty(const std::string& name, const std::string& device, const std::string& type) {
        const std::string tty = dir.MakeDir("sys/class/tty/" + name);
        fs::create_directory_symlink(device, tty + "/device");
        if (!type.empty())
            dir.WriteFile("sys/class/tty/" + name + "/type", type + "\n");
    }

    std::vector<std::string> List() {
        std::vector<std::string> list = {"left over"};
        ListSerialPorts(list, settings, ScanSerialDevices(dir / "sys/class/tty"));
        return list;
    }

    TempDir dir;
    std::string settings;
};

TEST_F(FakeSysfs, FindsRealPortsWithTheirDescriptions) {
    const auto devices = ScanSerialDevices(dir / "sys/class/tty");
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].device, "/dev/ttyS1");
    EXPECT_EQ(devices[0].description, "serial8250");
    EXPECT_EQ(devices[1].device, "/dev/ttyUSB0");
    EXPECT_EQ(devices[1].description, "FTDI USB-RS485 Cable");
    EXPECT_TRUE(ScanSerialDevices(dir / "missing").empty());
}

TEST_F(FakeSysfs, NewDevicesTakeTheFirstFreeNumbersAndKeepThem) {
    // COM1 belongs to a device that is unplugged now: its number stays reserved.
    dir.WriteFile("Velorm.ini", "[Ports]\nCOM1=/dev/ttyACM0\ncom3=/dev/ttyUSB0\n");
    const std::vector<std::string> expected = {"COM2 - serial8250 (/dev/ttyS1)",
                                               "COM3 - FTDI USB-RS485 Cable (/dev/ttyUSB0)"};
    EXPECT_EQ(List(), expected);
    EXPECT_EQ(SerialDeviceForCom(settings, 2), "/dev/ttyS1");
    EXPECT_EQ(SerialDeviceForCom(settings, 1), "/dev/ttyACM0");

    // A second listing, with the old device back, changes no number.
    dir.WriteFile("sys/devices/usb1/1-2/product", "CDC\n");
    dir.MakeDir("sys/devices/usb1/1-2/1-2:1.0/ttyACM0");
    AddTty("ttyACM0", dir / "sys/devices/usb1/1-2/1-2:1.0/ttyACM0", "");
    const std::vector<std::string> again = {"COM1 - CDC (/dev/ttyACM0)",
                                            "COM2 - serial8250 (/dev/ttyS1)",
                                            "COM3 - FTDI USB-RS485 Cable (/dev/ttyUSB0)"};
    EXPECT_EQ(List(), again);
    IniFile ini(settings);
    EXPECT_EQ(ini.ReadSection("Ports").size(), 3u);
}

TEST_F(FakeSysfs, NumbersAreWrittenOnFirstListing) {
    const std::vector<std::string> expected = {"COM1 - serial8250 (/dev/ttyS1)",
                                               "COM2 - FTDI USB-RS485 Cable (/dev/ttyUSB0)"};
    EXPECT_EQ(List(), expected);
    EXPECT_EQ(SerialDeviceForCom(settings, 2), "/dev/ttyUSB0");
    // Without an entry the number falls back to the legacy device of that number.
    EXPECT_EQ(SerialDeviceForCom(settings, 5), "/dev/ttyS4");
    // Every entry reads back as its own number.
    for (const auto& entry : List()) {
        int number = 0;
        ASSERT_EQ(ParsePortEntry(entry, number), 0) << entry;
        EXPECT_EQ("COM" + std::to_string(number) + " - ", entry.substr(0, entry.find('-') + 2));
    }
}

TEST(ParsePortEntry, Cases) {
    const struct {
        const char* text;
        int code, number;
    } cases[] = {
        {"COM3 - USB-Serial (/dev/ttyUSB0)", 0, 3},
        {"COM12 - serial8250 (/dev/ttyS11)", 0, 12},
        {"COM7", 0, 7},
        {"COM2-x", 0, 2},
        {"COM 5 - x", 0, 5},
        {"", 3, -1},
        {"COM", 4, -1},
        {"COMx - a", 4, -1},
        {"COM - a", 4, -1},
        {"COM1234567890 - a", 4, -1},
    };
    for (const auto& c : cases) {
        int number = -1;
        EXPECT_EQ(ParsePortEntry(c.text, number), c.code) << c.text;
        EXPECT_EQ(number, c.number) << c.text;
    }
}
}  // namespace
