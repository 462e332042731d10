// The simulated devices: framing on the device side, parameters, archives and faults.
#include "sim_device.h"

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace sim {

namespace {
uint8_t Sum(const Bytes& bytes, size_t from, size_t to) {
    unsigned sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(sum);
}

Bytes Le(uint32_t value, int count) {
    Bytes out;
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    return out;
}

int Word(const Bytes& u, size_t at) {
    return u[at] | (u[at + 1] << 8);
}

const TDateTime kEpoch2000 = EncodeDate(2000, 1, 1);

long long Ordinal(ArchiveKind kind, TDateTime t) {
    if (kind == ArchiveKind::Month) {
        const DateParts d = DecodeDate(t);
        return (d.year - 2000) * 12LL + d.month - 1;
    }
    const double days = t - kEpoch2000;
    return kind == ArchiveKind::Hour ? std::llround(days * 24) : std::llround(std::floor(days));
}

int Position(const SimArchive& archive, TDateTime t) {
    const DateParts d = DecodeDate(t);
    switch (archive.kind) {
        case ArchiveKind::Hour: {
            const int days = archive.depth / 24;
            const long long whole = static_cast<long long>(std::floor(t - kEpoch2000 + 1e-9));
            const int hour = DecodeTime(t).hour;
            if (days <= 0)
                return hour % archive.depth;
            return static_cast<int>((whole % 65536) % days) * 24 + hour;
        }
        case ArchiveKind::Day:
            return DayOfYear(t) - 1;
        case ArchiveKind::Month:
            return archive.depth < 13 ? d.month - 1 : (d.year % 4) * 12 + d.month - 1;
    }
    return -1;
}

TDateTime Back(ArchiveKind kind, TDateTime t, int k) {
    switch (kind) {
        case ArchiveKind::Hour:
            return StartOfTheHour(t - k / 24.0 + 1.0 / 86400);
        case ArchiveKind::Day:
            return t - k;
        case ArchiveKind::Month:
            return IncMonth(t, -k);
    }
    return t;
}

// The newest record a device has written: a period's record is written when the period
// closes. An hour closes at its end; a day at the report hour of the next day; a month at
// the report day and hour (a report day from 15 on closes the month on that day of the
// same month, an earlier one on that day of the next month).
TDateTime NewestRecord(ArchiveKind kind, TDateTime clock, int reportDay, int reportHour) {
    const TimeParts t = DecodeTime(clock);
    switch (kind) {
        case ArchiveKind::Hour:
            return StartOfTheHour(clock) - 1.0 / 24;
        case ArchiveKind::Day: {
            const int h = reportHour >= 0 && reportHour <= 23 ? reportHour : 0;
            return StartOfTheDay(clock) - (t.hour < h ? 2 : 1);
        }
        case ArchiveKind::Month: {
            const int d = reportDay >= 1 && reportDay <= 31 ? reportDay : 1;
            const int h = reportHour >= 0 && reportHour <= 23 ? reportHour : 0;
            const TDateTime reference =
                t.hour < h || (t.hour == h && t.minute < 2) ? clock - 1 : clock;
            const int day = DecodeDate(reference).day;
            const TDateTime month = StartOfTheMonth(reference);
            return day < d || d < 15 ? IncMonth(month, -1) : month;
        }
    }
    return clock;
}

// The most recent period written that the ring keeps at the position.
std::optional<TDateTime> RecordTime(const SimArchive& archive, TDateTime newest, int position) {
    const int span = archive.kind == ArchiveKind::Day ? 366 : std::max(archive.depth, 48);
    for (int k = 0; k <= span; ++k) {
        const TDateTime t = Back(archive.kind, newest, k);
        if (Position(archive, t) == position)
            return t;
    }
    return std::nullopt;
}

std::string TraceLine(const char* direction, const Bytes& bytes) {
    std::string line = direction;
    for (uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line;
}

Bytes FloatBytes(double value) {
    return Le(std::bit_cast<uint32_t>(static_cast<float>(value)), 4);
}
}  // namespace

uint8_t Bcd(int value) {
    return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

TDateTime ClockNow(const SimClock& clock) {
    if (clock.frozen)
        return clock.start;
    static const TDateTime started = Now();
    return clock.start + (Now() - started);
}

Bytes DeviceFrame(uint8_t control, uint8_t address, const Bytes& data) {
    Bytes body{control, address};
    body.insert(body.end(), data.begin(), data.end());
    Bytes frame;
    if (data.size() <= 4) {
        body.resize(6, 0);
        frame.push_back(0x10);
    } else {
        const auto length = static_cast<uint8_t>(body.size());
        frame = {0x68, length, length, 0x68};
    }
    frame.insert(frame.end(), body.begin(), body.end());
    frame.push_back(Sum(body, 0, body.size()));
    frame.push_back(0x16);
    return frame;
}

void RequestFramer::Feed(const uint8_t* bytes, size_t count) {
    buffer_.insert(buffer_.end(), bytes, bytes + count);
}

std::optional<Request> RequestFramer::Next() {
    while (!buffer_.empty()) {
        const uint8_t start = buffer_[0];
        if (start != 0x10 && start != 0x68) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        size_t total = 9;
        if (start == 0x68) {
            if (buffer_.size() < 4)
                return std::nullopt;
            if (buffer_[1] != buffer_[2] || buffer_[3] != 0x68 || buffer_[1] < 2) {
                buffer_.erase(buffer_.begin());
                continue;
            }
            total = buffer_[1] + 6u;
        }
        if (buffer_.size() < total)
            return std::nullopt;
        const size_t body = start == 0x68 ? 4 : 1;
        const bool good =
            Sum(buffer_, body, total - 2) == buffer_[total - 2] && buffer_[total - 1] == 0x16;
        if (!good) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        Request request;
        request.control = buffer_[body];
        request.address = buffer_[body + 1];
        request.user.assign(buffer_.begin() + static_cast<long>(body) + 2,
                            buffer_.begin() + static_cast<long>(total) - 2);
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(total));
        return request;
    }
    return std::nullopt;
}

SimDevice::SimDevice(SimConfig config) : config_(std::move(config)) {}

SimModule* SimDevice::FindModule(int net) {
    for (auto& m : config_.modules) {
        if (m.net == net)
            return &m;
    }
    return nullptr;
}

std::optional<Bytes> SimDevice::ModuleParam(SimModule& m, int number) const {
    const TDateTime clock = ClockNow(m.clock);
    const DateParts d = DecodeDate(clock);
    const TimeParts t = DecodeTime(clock);
    switch (number) {
        case 0xF000:
            return Le(static_cast<uint32_t>(m.type), 2);
        case 0xF001:
            return Le(static_cast<uint32_t>(m.factory), 2);
        case 0xF01D:
            return Le(m.caps, 4);
        case 0xF017:
            return Bytes{0, Bcd(d.day), Bcd(d.month), Bcd(d.year - 2000)};
        case 0xF018:
            return Bytes{0, Bcd(t.second), Bcd(t.minute), Bcd(t.hour)};
        case 0xF022:
            return Bytes{static_cast<uint8_t>(m.reportDay)};
        case 0xF023:
            return Bytes{static_cast<uint8_t>(m.reportHour)};
        case 0xF028:
            return Le(m.taskId, 4);
        case 0xF025:
        case 0xF026:
            return Bytes{0, 0, 0, 0};
        default:
            break;
    }
    if (number == 0xF040 && m.series >= 0)
        return Le(static_cast<uint32_t>(m.series), 2);
    const auto it = m.params.find(number);
    if (it != m.params.end())
        return it->second;
    return std::nullopt;
}

std::optional<Bytes> SimDevice::ArchiveElements(const SimModule& m, int number, int index,
                                                int count) const {
    for (const auto& archive : m.archives) {
        if (archive.number != number)
            continue;
        if (count < 1 || count > 60 || index < 0 || index + count > archive.depth)
            return std::nullopt;
        const TDateTime newest =
            NewestRecord(archive.kind, ClockNow(m.clock), m.reportDay, m.reportHour);
        Bytes out;
        for (int i = 0; i < count; ++i) {
            const auto t = RecordTime(archive, newest, index + i);
            const bool missing = !t || archive.gaps.count(*t) != 0 ||
                                 (archive.firstRecord > 0 && *t < archive.firstRecord - 1e-9);
            const Bytes value = missing
                                    ? Bytes{0xFF, 0xFF, 0xFF, 0xFF}
                                    : FloatBytes(archive.a * Ordinal(archive.kind, *t) + archive.b);
            out.insert(out.end(), value.begin(), value.end());
        }
        return out;
    }
    return std::nullopt;
}

uint8_t SimDevice::Grant(SimModule& m, int level, const Bytes& secret) const {
    if (level <= 1)
        return static_cast<uint8_t>(level);
    if (secret == m.serviceCode)
        return 3;
    Bytes expected(4, 0);
    uint32_t value = 0;
    for (size_t i = 0; i < 8; ++i) {
        const char c = i < m.password.size() ? m.password[i] : '0';
        value = value * 16 + static_cast<uint32_t>(std::isxdigit(static_cast<unsigned char>(c))
                                                       ? std::stoi(std::string(1, c), nullptr, 16)
                                                       : 0);
    }
    for (int i = 0; i < 4; ++i)
        expected[static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (24 - 8 * i));
    return static_cast<uint8_t>(m.password.empty() || secret == expected ? level : 1);
}

Bytes SimDevice::ModuleRequest(SimModule& m, uint8_t control, uint8_t address, const Bytes& user,
                               bool numbered) {
    if (user.empty())
        return kDeviceNak;
    const uint8_t answerControl = numbered ? static_cast<uint8_t>(control & 0x0F) : 0x00;
    size_t at = 1;
    Bytes echo;
    if (address == 0xFE) {
        if (m.ext < 0 || user.size() < 5)
            return {};
        echo.assign(user.begin() + 1, user.begin() + 5);
        if (echo != Le(static_cast<uint32_t>(m.ext), 4))
            return {};
        at = 5;
    }
    const auto answer = [&](const Bytes& data) {
        Bytes withEcho = echo;
        withEcho.insert(withEcho.end(), data.begin(), data.end());
        return DeviceFrame(answerControl, address, withEcho);
    };
    const size_t args = user.size() - at;
    switch (user[0]) {
        case 0x01: {
            if (args < 2)
                return kDeviceNak;
            const int number = Word(user, at);
            const auto value = ModuleParam(m, number);
            if (!value || m.nak.count(number) != 0)
                return kDeviceNak;
            return answer(*value);
        }
        case 0x15: {
            if (args < 4)
                return kDeviceNak;
            const int number = Word(user, at);
            const int count = args >= 5 && user[at + 4] != 0 ? user[at + 4] : 1;
            const auto values = ArchiveElements(m, number, Word(user, at + 2), count);
            if (!values || m.nak.count(number) != 0)
                return kDeviceNak;
            return answer(*values);
        }
        case 0x17: {
            if (args < 1)
                return kDeviceNak;
            const Bytes secret(user.begin() + static_cast<long>(at) + 1, user.end());
            return answer({Grant(m, user[at], secret)});
        }
        default:
            return kDeviceNak;
    }
}

Bytes SimDevice::AdapterRequest(const SimAdapter& adapter, uint8_t control, const Bytes& user) {
    const uint8_t answerControl = adapter.numbered ? static_cast<uint8_t>(control & 0x0F) : 0x00;
    if (user.empty())
        return kDeviceNak;
    const auto forModule = [&](int net, const Bytes& directUser) -> Bytes {
        SimModule* m = FindModule(net);
        if (!m)
            return kDeviceNak;
        Bytes inner = ModuleRequest(*m, 0x40, static_cast<uint8_t>(net), directUser, false);
        if (inner.size() <= 1)
            return inner;
        // The module's data goes back in the adapter's own frame.
        const size_t body = inner[0] == 0x68 ? 4 : 1;
        const Bytes data(inner.begin() + static_cast<long>(body) + 2, inner.end() - 2);
        return DeviceFrame(answerControl, static_cast<uint8_t>(adapter.net), data);
    };
    switch (user[0]) {
        case 0x01: {
            if (user.size() < 3)
                return kDeviceNak;
            switch (Word(user, 1)) {
                case 0xF000:
                    return DeviceFrame(answerControl, adapter.net, Le(adapter.type, 2));
                case 0xF01D:
                    return DeviceFrame(answerControl, adapter.net, Le(adapter.caps, 4));
                default:
                    return kDeviceNak;
            }
        }
        case 0x11:
            if (user.size() < 4)
                return kDeviceNak;
            return forModule(user[1], {0x01, user[2], user[3]});
        case 0x19:
            if (user.size() < 7)
                return kDeviceNak;
            return forModule(user[1], {0x15, user[2], user[3], user[4], user[5], user[6]});
        case 0x14: {
            if (user.size() < 4)
                return kDeviceNak;
            const Bytes args(user.begin() + 4, user.end());
            if (user[3] == 0x08 && args.size() >= 4)
                return forModule(user[2], {0x15, args[0], args[1], args[2], args[3]});
            if (user[3] == 0x05 && !args.empty()) {
                Bytes direct{0x17};
                direct.insert(direct.end(), args.begin(), args.end());
                return forModule(user[2], direct);
            }
            return kDeviceNak;
        }
        case 0x28:
            return AdapterRequest(adapter, control, Bytes(user.begin() + 1, user.end()));
        case 0x27: {
            if (user.size() < 3 || user[1] != 0x14)
                return kDeviceNak;
            RequestFramer framer;
            framer.Feed(user.data() + 2, user.size() - 2);
            const auto inner = framer.Next();
            if (!inner)
                return kDeviceNak;
            const Bytes innerAnswer = Dispatch(*inner);
            if (innerAnswer.empty())
                return {};
            return DeviceFrame(answerControl, static_cast<uint8_t>(adapter.net), innerAnswer);
        }
        default:
            return kDeviceNak;
    }
}

Bytes SimDevice::Dispatch(const Request& request) {
    if (config_.adapter && request.address == config_.adapter->net)
        return AdapterRequest(*config_.adapter, request.control, request.user);
    if (request.address == 0xFE) {
        for (auto& m : config_.modules) {
            Bytes answer = ModuleRequest(m, request.control, 0xFE, request.user, m.numbered);
            if (!answer.empty())
                return answer;
        }
        return {};
    }
    SimModule* m = FindModule(request.address);
    if (!m)
        return {};
    return ModuleRequest(*m, request.control, request.address, request.user, m->numbered);
}

Bytes SimDevice::Answer(const Request& request) {
    ++counters_.requests;
    if (OnTrace)
        OnTrace(TraceLine("RX", DeviceFrame(request.control, request.address, request.user)));
    Bytes answer = Dispatch(request);
    if (answer.empty()) {
        ++counters_.ignored;
        return answer;
    }
    const SimFaults& f = config_.faults;
    if (f.dropEvery > 0 && counters_.requests % f.dropEvery == 0) {
        ++counters_.dropped;
        return {};
    }
    if (f.corruptEvery > 0 && counters_.requests % f.corruptEvery == 0 && answer.size() > 2) {
        answer[answer.size() - 2] ^= 0x5A;
        ++counters_.corrupted;
    }
    if (f.noise > 0) {
        Bytes noisy(static_cast<size_t>(f.noise), 0x00);
        for (size_t i = 0; i < noisy.size(); ++i)
            noisy[i] = static_cast<uint8_t>(0x31 + i % 7);
        answer.insert(answer.begin(), noisy.begin(), noisy.end());
    }
    ++counters_.answers;
    if (OnTrace)
        OnTrace(TraceLine("TX", answer));
    return answer;
}

std::vector<Bytes> SimDevice::AnswerStream(RequestFramer& framer) {
    std::vector<Bytes> answers;
    while (auto request = framer.Next()) {
        Bytes a = Answer(*request);
        if (!a.empty())
            answers.push_back(std::move(a));
    }
    return answers;
}

}  // namespace sim
