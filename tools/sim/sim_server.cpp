// Simulator carriers: UDP and TCP sockets and a pseudo-terminal served by a poll loop.
#include "sim_server.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace sim {

namespace {
void WriteAll(int fd, const uint8_t* bytes, size_t count) {
    while (count > 0) {
        const ssize_t n = write(fd, bytes, count);
        if (n > 0) {
            bytes += n;
            count -= static_cast<size_t>(n);
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        } else {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 100);
        }
    }
}

// Sends the bytes no faster than the line speed allows: 10 bits a byte.
void WritePaced(int fd, const Bytes& bytes, int baud) {
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    const double perByte = 10.0 / baud;
    size_t sent = 0;
    while (sent < bytes.size()) {
        const double elapsed = std::chrono::duration<double>(clock::now() - start).count();
        size_t due = static_cast<size_t>(elapsed / perByte) + 1;
        due = std::min(due, bytes.size());
        if (due > sent) {
            WriteAll(fd, bytes.data() + sent, due - sent);
            sent = due;
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
}
}  // namespace

SimServer::SimServer(SimConfig config, Carrier carrier, int port)
    : device_(std::move(config)), carrier_(carrier), port_(port) {}

SimServer::~SimServer() {
    Stop();
}

void SimServer::SetTrace(std::function<void(const std::string&)> trace) {
    device_.OnTrace = std::move(trace);
}

SimCounters SimServer::Counters() const {
    return device_.Counters();
}

bool SimServer::Start() {
    if (pipe(wakeFd_) != 0) {
        error_ = "pipe failed";
        return false;
    }
    if (carrier_ == Carrier::Pty) {
        fd_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
            error_ = std::string("pseudo-terminal: ") + std::strerror(errno);
            return false;
        }
        slave_ = ptsname(fd_);
        // Holding the slave open keeps the line up between the clients' opens.
        slaveFd_ = open(slave_.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(slaveFd_, &tio);
        cfmakeraw(&tio);
        tcsetattr(slaveFd_, TCSANOW, &tio);
    } else {
        fd_ = socket(AF_INET, carrier_ == Carrier::Udp ? SOCK_DGRAM : SOCK_STREAM, 0);
        const int yes = 1;
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(static_cast<uint16_t>(port_));
        socklen_t length = sizeof addr;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            (carrier_ == Carrier::Tcp && listen(fd_, 4) != 0) ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
            error_ = std::string("socket: ") + std::strerror(errno);
            return false;
        }
        port_ = ntohs(addr.sin_port);
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void SimServer::Stop() {
    if (thread_.joinable()) {
        const char stop = 'x';
        (void)!write(wakeFd_[1], &stop, 1);
        thread_.join();
    }
    for (int* fd : {&fd_, &slaveFd_, &wakeFd_[0], &wakeFd_[1]}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

void SimServer::Send(int fd, const Bytes& bytes, const void* to, unsigned toLength) {
    const SimFaults& f = device_.Config().faults;
    if (f.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(f.delayMs));
    if (carrier_ == Carrier::Udp)
        sendto(fd, bytes.data(), bytes.size(), 0, static_cast<const sockaddr*>(to), toLength);
    else if (f.paceBaud > 0)
        WritePaced(fd, bytes, f.paceBaud);
    else
        WriteAll(fd, bytes.data(), bytes.size());
}

void SimServer::Run() {
    int client = -1;
    RequestFramer framer;
    uint8_t buffer[2048];
    for (;;) {
        std::vector<pollfd> fds = {{wakeFd_[0], POLLIN, 0}, {fd_, POLLIN, 0}};
        if (client >= 0)
            fds.push_back({client, POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
            break;
        if (fds[0].revents != 0)
            break;
        if (carrier_ == Carrier::Tcp && (fds[1].revents & POLLIN) != 0) {
            const int accepted = accept(fd_, nullptr, nullptr);
            if (accepted >= 0) {
                if (client >= 0)
                    close(client);
                client = accepted;
                framer = RequestFramer();
            }
        }
        if (carrier_ == Carrier::Udp && (fds[1].revents & POLLIN) != 0) {
            sockaddr_storage from{};
            socklen_t fromLength = sizeof from;
            const ssize_t n = recvfrom(fd_, buffer, sizeof buffer, 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (n > 0) {
                RequestFramer datagram;
                datagram.Feed(buffer, static_cast<size_t>(n));
                for (const Bytes& answer : device_.AnswerStream(datagram))
                    Send(fd_, answer, &from, fromLength);
            }
        }
        const int streamFd = carrier_ == Carrier::Pty ? fd_ : client;
        const pollfd* stream = carrier_ == Carrier::Pty ? &fds[1]
                               : client >= 0            ? &fds.back()
                                                        : nullptr;
        if (stream != nullptr && (stream->revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            const ssize_t n = read(streamFd, buffer, sizeof buffer);
            if (n > 0) {
                framer.Feed(buffer, static_cast<size_t>(n));
                for (const Bytes& answer : device_.AnswerStream(framer))
                    Send(streamFd, answer);
            } else if (carrier_ == Carrier::Tcp) {
                close(client);
                client = -1;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
    }
    if (client >= 0)
        close(client);
}

SimLine::SimLine(SimConfig config) : device_(std::move(config)), pair_(MakeFakeSerialPair()) {
    pair_.a->OnIdle = [this] {
        uint8_t buffer[512];
        int n = 0;
        while ((n = pair_.b->Read(buffer, sizeof buffer, 0)) > 0)
            framer_.Feed(buffer, static_cast<size_t>(n));
        for (const Bytes& answer : device_.AnswerStream(framer_))
            pair_.b->Write(answer.data(), answer.size(), 0);
    };
}

std::unique_ptr<SerialPort> SimLine::TakePort() {
    return std::move(pair_.a);
}

}  // namespace sim
