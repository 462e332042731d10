// Serial ports of the computer as "COMn - description" entries, and COMn to device names.
#pragma once

#include <string>
#include <vector>

// A serial device found in sysfs.
struct SerialDeviceInfo {
    std::string device;       // /dev/ttyUSB0
    std::string description;  // USB maker and product, or the driver name
};

// Serial devices that exist, from /sys/class/tty (sysRoot for tests), sorted by name.
// Legacy 8250 ports without a detected UART are left out.
std::vector<SerialDeviceInfo> ScanSerialDevices(const std::string& sysClassTty = "/sys/class/tty");

// Device of port COMn: the key "COMn" of the section "Ports" of the settings file, else
// /dev/ttyS(n-1).
std::string SerialDeviceForCom(const std::string& settingsFile, int com);

// Fills the list with "COM" + number + " - " + description + " (" + device + ")" for every
// device. Devices without a number in the section "Ports" get the lowest free one, which is
// written there so that the number stays the same from then on.
void ListSerialPorts(std::vector<std::string>& list, const std::string& settingsFile,
                     const std::vector<SerialDeviceInfo>& devices);

// The port number of such an entry: 0 and the number; 3 for an empty text, 4 when no
// number can be read.
int ParsePortEntry(const std::string& text, int& number);
