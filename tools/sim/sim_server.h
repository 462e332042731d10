// Carrying the simulated devices over UDP, TCP, a pseudo-terminal or an in-process line.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "comm/serial/fake_serial_port.h"
#include "sim_device.h"

namespace sim {

enum class Carrier { Udp, Tcp, Pty };

// Serves one carrier on its own thread until Stop(); the device is used only there.
class SimServer {
  public:
    SimServer(SimConfig config, Carrier carrier, int port = 0);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Binds or opens; false with Error() set when that fails.
    bool Start();
    void Stop();
    // The UDP or TCP port bound (useful with port 0) and the pseudo-terminal's slave path.
    int Port() const { return port_; }
    const std::string& SlavePath() const { return slave_; }
    const std::string& Error() const { return error_; }
    // Valid after Stop().
    SimCounters Counters() const;
    void SetTrace(std::function<void(const std::string&)> trace);

  private:
    void Run();
    void Send(int fd, const Bytes& bytes, const void* to = nullptr, unsigned toLength = 0);
    SimDevice device_;
    Carrier carrier_;
    int port_;
    int fd_ = -1;
    int slaveFd_ = -1;
    int wakeFd_[2] = {-1, -1};
    std::string slave_;
    std::string error_;
    std::thread thread_;
};

// A line whose far end is the simulated device, answering at once: the port end is for
// T_Comport, its clock moves only while the exchange waits.
class SimLine {
  public:
    explicit SimLine(SimConfig config);
    std::unique_ptr<SerialPort> TakePort();
    LineClock& Clock() { return *pair_.clock; }
    SimDevice& Device() { return device_; }

  private:
    SimDevice device_;
    FakeSerialPair pair_;
    RequestFramer framer_;
};

}  // namespace sim
