// Reading the simulator's JSON configuration.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "sim_model.h"

namespace sim {

namespace {
using nlohmann::json;

// "2024-03-15 10:30:00" or "2024-03-15T10:30:00".
TDateTime ParseTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char sep = ' ';
    const int n = std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d:%d", &y, &mo, &d, &sep, &h, &mi, &s);
    TDateTime date = 0, time = 0;
    if (n < 3 || !TryEncodeDate(y, mo, d, date) || !TryEncodeTime(h, mi, s, 0, time))
        throw std::runtime_error("bad time \"" + text + "\" (want YYYY-MM-DD HH:MM:SS)");
    return date + time;
}

long long Number(const json& value) {
    if (value.is_string())
        return std::stoll(value.get<std::string>(), nullptr, 16);
    return value.get<long long>();
}

Bytes HexBytes(const std::string& text) {
    Bytes out;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        out.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return out;
}

ArchiveKind Kind(const std::string& text) {
    if (text == "hourly")
        return ArchiveKind::Hour;
    if (text == "daily")
        return ArchiveKind::Day;
    if (text == "monthly")
        return ArchiveKind::Month;
    throw std::runtime_error("archive kind must be hourly, daily or monthly, not \"" + text + "\"");
}

SimModule Module(const json& j) {
    SimModule m;
    m.net = static_cast<int>(Number(j.at("net")));
    m.ext = j.contains("ext") ? Number(j["ext"]) : -1;
    m.type = static_cast<int>(Number(j.value("type", json(0))));
    m.factory = static_cast<int>(Number(j.value("factory", json(0))));
    m.series = j.contains("series") ? static_cast<int>(Number(j["series"])) : -1;
    m.caps = static_cast<uint32_t>(Number(j.value("caps", json(0))));
    if (m.series >= 0)
        m.caps |= 0x200;
    m.numbered = j.value("numbered", true);
    if (j.contains("clock")) {
        m.clock.start = ParseTime(j["clock"].at("time").get<std::string>());
        m.clock.frozen = j["clock"].value("frozen", true);
    } else {
        m.clock.start = Now();
        m.clock.frozen = false;
    }
    m.reportHour = j.value("report_hour", 0);
    m.reportDay = j.value("report_day", 1);
    m.taskId = static_cast<uint32_t>(Number(j.value("task_id", json(0))));
    m.password = j.value("password", std::string());
    if (j.contains("service_code"))
        m.serviceCode = HexBytes(j["service_code"].get<std::string>());
    if (j.contains("params")) {
        for (const auto& [key, value] : j["params"].items())
            m.params[static_cast<int>(std::stoll(key, nullptr, 16))] =
                HexBytes(value.get<std::string>());
    }
    for (const auto& n : j.value("nak", json::array()))
        m.nak.insert(static_cast<int>(Number(n)));
    for (const auto& a : j.value("archives", json::array())) {
        SimArchive archive;
        archive.number = static_cast<int>(Number(a.at("number")));
        archive.kind = Kind(a.at("kind").get<std::string>());
        archive.depth = a.at("depth").get<int>();
        archive.a = a.value("a", 1.0);
        archive.b = a.value("b", 0.0);
        for (const auto& g : a.value("gaps", json::array()))
            archive.gaps.insert(ParseTime(g.get<std::string>()));
        if (a.contains("first_record"))
            archive.firstRecord = ParseTime(a["first_record"].get<std::string>());
        if (archive.depth <= 0)
            throw std::runtime_error("archive depth must be positive");
        m.archives.push_back(archive);
    }
    return m;
}
}  // namespace

SimConfig ParseSimConfig(const std::string& text) {
    try {
        const json j = json::parse(text);
        SimConfig config;
        if (j.contains("adapter")) {
            SimAdapter a;
            a.net = static_cast<int>(Number(j["adapter"].at("net")));
            a.type = static_cast<int>(Number(j["adapter"].value("type", json(0))));
            a.caps = static_cast<uint32_t>(Number(j["adapter"].value("caps", json(0))));
            a.numbered = j["adapter"].value("numbered", true);
            config.adapter = a;
        }
        for (const auto& m : j.at("modules"))
            config.modules.push_back(Module(m));
        const json f = j.value("faults", json::object());
        config.faults.dropEvery = f.value("drop_every", 0);
        config.faults.corruptEvery = f.value("corrupt_every", 0);
        config.faults.noise = f.value("noise", 0);
        config.faults.delayMs = f.value("delay_ms", 0);
        config.faults.paceBaud = f.value("pace_baud", 0);
        return config;
    } catch (const json::exception& e) {
        throw std::runtime_error(std::string("configuration: ") + e.what());
    }
}

SimConfig LoadSimConfig(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::stringstream text;
    text << in.rdbuf();
    return ParseSimConfig(text.str());
}

}  // namespace sim
