// termios serial port: raw mode, poll-timed reads and writes, modem-control lines.
#include "comm/serial/termios_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace {
speed_t SpeedConstant(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B0;
    }
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

class TermiosPort : public SerialPort {
  public:
    explicit TermiosPort(int fd) : fd_(fd) {}
    ~TermiosPort() override { close(fd_); }

    bool Configure(const SerialFormat& format) override {
        termios tio{};
        if (tcgetattr(fd_, &tio) != 0)
            return false;
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
        tio.c_cflag |= CS8;
        if (format.twoStopBits)
            tio.c_cflag |= CSTOPB;
        if (format.ctsFlow)
            tio.c_cflag |= CRTSCTS;
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        const speed_t speed = SpeedConstant(format.baud);
        if (speed == B0)
            return false;
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
        return tcsetattr(fd_, TCSANOW, &tio) == 0;
    }

    int Read(uint8_t* buffer, size_t count, int timeoutMs) override {
        const double deadline = NowMs() + timeoutMs;
        size_t got = 0;
        while (got < count) {
            const int left = static_cast<int>(deadline - NowMs() + 0.999);
            pollfd p{fd_, POLLIN, 0};
            const int ready = poll(&p, 1, left > 0 ? left : 0);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0)
                return got > 0 ? static_cast<int>(got) : -1;
            if (ready == 0)
                break;
            const ssize_t n = read(fd_, buffer + got, count - got);
            if (n > 0)
                got += static_cast<size_t>(n);
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                return got > 0 ? static_cast<int>(got) : -1;
            else if ((p.revents & (POLLHUP | POLLERR)) != 0)
                break;
        }
        return static_cast<int>(got);
    }

    bool Write(const uint8_t* buffer, size_t count, int timeoutMs) override {
        const double deadline = NowMs() + timeoutMs;
        size_t done = 0;
        while (done < count) {
            const ssize_t n = write(fd_, buffer + done, count - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            const int left = static_cast<int>(deadline - NowMs());
            if (left <= 0)
                return false;
            pollfd p{fd_, POLLOUT, 0};
            poll(&p, 1, left);
        }
        return true;
    }

    void PurgeInput() override { tcflush(fd_, TCIFLUSH); }
    void SetDtr(bool on) override { SetLine(TIOCM_DTR, on); }
    void SetRts(bool on) override { SetLine(TIOCM_RTS, on); }
    void SetBreak(bool on) override { ioctl(fd_, on ? TIOCSBRK : TIOCCBRK); }
    bool Cts() override { return (ModemBits() & TIOCM_CTS) != 0; }
    bool Dcd() override { return (ModemBits() & TIOCM_CAR) != 0; }

  private:
    void SetLine(int bit, bool on) { ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit); }
    int ModemBits() {
        int bits = 0;
        return ioctl(fd_, TIOCMGET, &bits) == 0 ? bits : 0;
    }
    int fd_;
};
}  // namespace

std::unique_ptr<SerialPort> OpenTermiosPort(const std::string& device) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    // Exclusive use: a lock that other programs honour, and no further opens of the device.
    if (isatty(fd) != 1 || flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<TermiosPort>(fd);
}
