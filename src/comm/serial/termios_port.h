// A serial port of the operating system through termios: real ports and pseudo-terminals.
#pragma once

#include <memory>
#include <string>

#include "comm/serial/serial_port.h"

// Opens the device exclusively for reading and writing; nullptr when it cannot be opened
// or is already held by another program.
std::unique_ptr<SerialPort> OpenTermiosPort(const std::string& device);
