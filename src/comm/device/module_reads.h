// Reading parameters, elements and the clock of a module over the program's link.
#pragma once

#include <string>

#include "comm/exchange/frame.h"
#include "platform/date_time.h"

// Parameters the device operations read by number.
inline constexpr int kParamTypeCode = 0xF000;
inline constexpr int kParamFactoryNo = 0xF001;
inline constexpr int kParamDate = 0xF017;
inline constexpr int kParamTime = 0xF018;
inline constexpr int kParamCapabilities = 0xF01D;
inline constexpr int kParamSeries = 0xF040;

// One parameter of length bytes (0: any); F025h and F026h are read without trace.
int ReadModuleParam(int address, int number, int length, bool useRepeats, int extNumber,
                    std::string& message, Bytes& data);

// Elements firstIndex up to (not including) endIndex in requests of chunk elements (at least
// 1), appended to data; count is the number of elements read. Stops at the first failure.
int ReadModuleElements(int address, int number, int firstIndex, int extNumber, std::string& message,
                       int& count, Bytes& data, int chunk, int elementSize, int endIndex);

// The module's clock (date F017h + time F018h) and now − clock.
int ReadModuleClock(int address, TDateTime& clock, double& difference, int extNumber,
                    std::string& message);

// The module's date or time alone (0 for the other part): 15 or 16 for a wrong data length,
// 19 when the module has no such parameter, 6 for a field out of range.
int ReadModuleDate(int address, int extNumber, TDateTime& date);
int ReadModuleTime(int address, int extNumber, TDateTime& time);
