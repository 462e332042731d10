// Reading and writing the prepared-report file as JSON.
#include "output/engine/frp_file.h"

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "platform/files.h"

using nlohmann::json;

namespace {

constexpr const char* kFormatName = "velorm-frp";
constexpr uint64_t kMaxFileBytes = 512ull << 20;
constexpr size_t kMaxPages = 100000;
constexpr size_t kMaxItems = 5000000;
constexpr double kMaxPageSide = 20000;
constexpr double kMaxFontSize = 500;
constexpr double kMaxFrameWidth = 50;
constexpr size_t kMaxTextBytes = 1 << 20;
constexpr size_t kMaxFontNameBytes = 256;

// A value out of range or of the wrong kind; the message names the field.
struct BadValue : std::runtime_error {
    using std::runtime_error::runtime_error;
};

double Number(const json& object, const char* key, double low, double high) {
    const json& value = object.at(key);
    if (!value.is_number())
        throw BadValue(std::string("поле ") + key + " не число");
    const double number = value.get<double>();
    if (!std::isfinite(number) || number < low || number > high)
        throw BadValue(std::string("поле ") + key + " вне допустимых пределов");
    return number;
}

std::string Text(const json& object, const char* key, size_t maxBytes) {
    const json& value = object.at(key);
    if (!value.is_string())
        throw BadValue(std::string("поле ") + key + " не строка");
    if (value.get_ref<const std::string&>().size() > maxBytes)
        throw BadValue(std::string("поле ") + key + " слишком длинное");
    return value.get<std::string>();
}

json ItemJson(const TextItem& item) {
    return {{"x", item.x},
            {"y", item.y},
            {"w", item.width},
            {"h", item.height},
            {"text", item.text},
            {"font", item.fontName},
            {"size", item.fontSize},
            {"style", item.fontStyle},
            {"align", int(item.alignment)},
            {"frame", item.frameSides},
            {"frameWidth", item.frameWidth}};
}

TextItem ItemFrom(const json& j, const PreparedPage& page) {
    if (!j.is_object())
        throw BadValue("элемент страницы не объект");
    TextItem item;
    item.x = Number(j, "x", -page.width, 2 * page.width);
    item.y = Number(j, "y", -page.height, 2 * page.height);
    item.width = Number(j, "w", 0, 2 * page.width);
    item.height = Number(j, "h", 0, 2 * page.height);
    item.text = Text(j, "text", kMaxTextBytes);
    item.fontName = Text(j, "font", kMaxFontNameBytes);
    item.fontSize = Number(j, "size", 0.5, kMaxFontSize);
    item.fontStyle = int(Number(j, "style", 0, kFontItalic | kFontBold));
    item.alignment = TextAlign(int(Number(j, "align", 0, int(TextAlign::Right))));
    item.frameSides = int(Number(j, "frame", 0, kFrameAll));
    item.frameWidth = Number(j, "frameWidth", 0, kMaxFrameWidth);
    return item;
}

PreparedReport ReportFrom(const json& root) {
    const json& pages = root.at("pages");
    if (!pages.is_array() || pages.size() > kMaxPages)
        throw BadValue("недопустимое число страниц");
    PreparedReport report;
    size_t items = 0;
    for (const json& p : pages) {
        if (!p.is_object())
            throw BadValue("страница не объект");
        PreparedPage page;
        page.width = Number(p, "width", 10, kMaxPageSide);
        page.height = Number(p, "height", 10, kMaxPageSide);
        const json& list = p.at("items");
        if (!list.is_array())
            throw BadValue("список элементов страницы не массив");
        items += list.size();
        if (items > kMaxItems)
            throw BadValue("слишком много элементов");
        page.items.reserve(list.size());
        for (const json& item : list)
            page.items.push_back(ItemFrom(item, page));
        report.pages.push_back(std::move(page));
    }
    return report;
}

}  // namespace

bool SavePreparedReport(const PreparedReport& report, const std::string& path, std::string& error) {
    json pages = json::array();
    for (const PreparedPage& page : report.pages) {
        json items = json::array();
        for (const TextItem& item : page.items)
            items.push_back(ItemJson(item));
        pages.push_back({{"width", page.width}, {"height", page.height}, {"items", items}});
    }
    const json root = {{"format", kFormatName}, {"version", kFrpVersion}, {"pages", pages}};
    if (!WriteFileAtomic(path, root.dump(-1, ' ', false, json::error_handler_t::replace))) {
        error = "Не удалось записать файл отчета: " + path;
        return false;
    }
    return true;
}

std::optional<PreparedReport> LoadPreparedReport(const std::string& path, std::string& error) {
    std::error_code ec;
    if (const auto size = std::filesystem::file_size(path, ec); !ec && size > kMaxFileBytes) {
        error = "Файл отчета слишком велик: " + path;
        return std::nullopt;
    }
    const auto bytes = ReadWholeFile(path, kMaxFileBytes);
    if (!bytes) {
        error = "Не удалось прочитать файл отчета: " + path;
        return std::nullopt;
    }
    const std::string prefix = std::string("{\"format\":\"") + kFormatName + "\"";
    const bool ours =
        bytes->size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes->begin());
    const json root = json::parse(bytes->begin(), bytes->end(), nullptr, false);
    if (root.is_discarded() || !root.is_object() || root.value("format", "") != kFormatName) {
        error = ours ? "Файл отчета поврежден: " + path
                     : "Файл не является файлом отчета Velorm: " + path;
        return std::nullopt;
    }
    const json& version = root.contains("version") ? root["version"] : json();
    if (!version.is_number_integer() || version.get<int64_t>() < 1) {
        error = "Файл отчета поврежден: " + path + " (нет номера версии)";
        return std::nullopt;
    }
    if (version.get<int64_t>() > kFrpVersion) {
        error = "Файл отчета создан более новой версией программы (версия формата " +
                std::to_string(version.get<int64_t>()) + "): " + path;
        return std::nullopt;
    }
    try {
        return ReportFrom(root);
    } catch (const std::exception& e) {
        error = "Файл отчета поврежден: " + path + " (" + e.what() + ")";
        return std::nullopt;
    }
}
