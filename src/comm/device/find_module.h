// Finding a module by its network number, and logging in to it with an access level.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What FindModule learnt of the module it found.
struct FoundModule {
    int typeCode = 0;
    std::string identity;  // series + "_" + factory number, or the factory number
    int series = -1;       // -1: the module has no series number
    int factoryNo = 0;
    uint32_t capabilities = 0;
};

using StopCallback = std::function<bool()>;
using AcceptCallback = std::function<bool(int typeCode)>;
using FindLogCallback = std::function<void(const std::string& text, int kind)>;

// Reads the type code at the address; a module found (and accepted) is identified by its
// capability word, factory number and series, and a line about it goes to log. 0 when
// found; the read's code otherwise, 4 when stopped, 23 when accept refuses the module.
// singleAttempt: one attempt with a time-out of at most a second, for scanning addresses.
int FindModule(int address, int reportMode, bool singleAttempt, const StopCallback& stop,
               int extNumber, const FindLogCallback& log, const AcceptCallback& accept,
               FoundModule& found);

// SetAccessLevel at the module; true on success, else message holds the failure.
bool LoginModule(int address, int level, const std::string& password, int extNumber,
                 std::string& message);
