// The device side of the protocol: request frames in, answer bytes out.
#pragma once

#include <functional>
#include <string>

#include "sim_model.h"

namespace sim {

// One request frame as a device sees it.
struct Request {
    uint8_t control = 0;
    uint8_t address = 0;
    Bytes user;
};

// Cuts request frames out of a byte stream; noise and damaged frames are skipped.
class RequestFramer {
  public:
    void Feed(const uint8_t* bytes, size_t count);
    // The next complete frame, if any.
    std::optional<Request> Next();

  private:
    Bytes buffer_;
};

// Request frame in, answer bytes out (empty: no answer). Faults are applied here, except
// delay and pacing, which the transports carry out.
class SimDevice {
  public:
    explicit SimDevice(SimConfig config);

    Bytes Answer(const Request& request);
    // Answers every complete frame in the bytes.
    std::vector<Bytes> AnswerStream(RequestFramer& framer);

    const SimConfig& Config() const { return config_; }
    SimConfig& Config() { return config_; }
    const SimCounters& Counters() const { return counters_; }
    // Every request and answer frame as a line "RX ..." or "TX ...".
    std::function<void(const std::string&)> OnTrace;

  private:
    Bytes Dispatch(const Request& request);
    Bytes ModuleRequest(SimModule& module, uint8_t control, uint8_t address, const Bytes& user,
                        bool numbered);
    Bytes AdapterRequest(const SimAdapter& adapter, uint8_t control, const Bytes& user);
    std::optional<Bytes> ModuleParam(SimModule& module, int number) const;
    std::optional<Bytes> ArchiveElements(const SimModule& module, int number, int index,
                                         int count) const;
    uint8_t Grant(SimModule& module, int level, const Bytes& secret) const;
    SimModule* FindModule(int net);

    SimConfig config_;
    SimCounters counters_;
};

// Answer frames as a device builds them.
Bytes DeviceFrame(uint8_t control, uint8_t address, const Bytes& data);
inline const Bytes kDeviceNak = {0xE5};
inline const Bytes kDeviceAck = {0xA2};

}  // namespace sim
