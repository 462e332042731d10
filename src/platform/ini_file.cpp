// IniFile over SimpleIni: file order, quoting of values, tolerant reading and atomic saving.
#include "platform/ini_file.h"

// Only the narrow-character class is used (UTF-8 passes through as bytes), compiled from the
// header so that the ICU-linked shared library is not needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <charconv>
#include <climits>

#include "platform/files.h"

namespace {

// CSimpleIniA compares names without regard to ASCII case (CSimpleIniCaseA would not).
using Ini = CSimpleIniA;
using EntryList = Ini::TNamesDepend;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Line breaks become blanks so that nothing written can start a new line of the file.
std::string WithoutLineBreaks(std::string_view s) {
    std::string r(s);
    std::replace_if(
        r.begin(), r.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return r;
}

// Section and key names as the file keeps them: one line, no blanks at the ends.
std::string CleanName(std::string_view name) {
    std::string r = WithoutLineBreaks(name);
    size_t b = 0, e = r.size();
    while (b < e && IsBlank(r[b]))
        ++b;
    while (e > b && IsBlank(r[e - 1]))
        --e;
    return r.substr(b, e - b);
}

bool IsQuoted(std::string_view s) {
    return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

// The text stored in the file for a value: quoted when the reader would otherwise trim
// its blanks or take its own quotes away.
std::string StoredValue(std::string_view value) {
    std::string v = WithoutLineBreaks(value);
    if (!v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) || IsQuoted(v)))
        return '"' + v + '"';
    return v;
}

std::string ValueFromStored(std::string_view stored) {
    if (IsQuoted(stored))
        return std::string(stored.substr(1, stored.size() - 2));
    return std::string(stored);
}

EntryList InLoadOrder(EntryList entries) {
    entries.sort(Ini::Entry::LoadOrder());
    return entries;
}

// Decimal with an optional sign, or hexadecimal after "$" or "0x".
bool ParseInteger(std::string_view text, long long& out) {
    std::string t = Trim(text);
    std::string_view s = t;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return false;
    const unsigned long long limit =
        static_cast<unsigned long long>(LLONG_MAX) + (negative ? 1 : 0);
    if (magnitude > limit)
        return false;
    out = negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
    return true;
}

bool ParseFloat(std::string_view text, double& out) {
    std::string t = Trim(text);
    std::replace(t.begin(), t.end(), ',', '.');
    const char* first = t.data();
    if (!t.empty() && t.front() == '+')
        ++first;
    double value = 0;
    auto [end, ec] = std::from_chars(first, t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        return false;
    out = value;
    return true;
}

}  // namespace

struct IniFile::Impl {
    Ini ini{/*isUtf8=*/true, /*multiKey=*/false, /*multiLine=*/false};

    // The stored text of a value, or nullptr when the key is absent.
    const char* Stored(const std::string& section, const std::string& key) const {
        return ini.GetValue(CleanName(section).c_str(), CleanName(key).c_str(), nullptr);
    }
};

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
    impl_->ini.SetSpaces(false);
    if (!FileExists(path_))
        return;
    auto data = ReadWholeFile(path_, kMaxIniFileBytes);
    if (!data)
        return;
    // The parser stops at a NUL byte; dropping them keeps the lines after binary junk.
    std::string text(data->begin(), data->end());
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    loaded_ = impl_->ini.LoadData(text) >= 0;
}

IniFile::~IniFile() = default;

bool IniFile::SectionExists(const std::string& section) const {
    return impl_->ini.GetSection(CleanName(section).c_str()) != nullptr;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    return impl_->Stored(section, key) != nullptr;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const char* stored = impl_->Stored(section, key);
    return stored ? ValueFromStored(stored) : def;
}

long long IniFile::ReadInteger(const std::string& section, const std::string& key,
                               long long def) const {
    const char* stored = impl_->Stored(section, key);
    long long value = 0;
    return stored && ParseInteger(ValueFromStored(stored), value) ? value : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::ReadFloat(const std::string& section, const std::string& key, double def) const {
    const char* stored = impl_->Stored(section, key);
    double value = 0;
    return stored && ParseFloat(ValueFromStored(stored), value) ? value : def;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    impl_->ini.SetValue(CleanName(section).c_str(), CleanName(key).c_str(),
                        StoredValue(value).c_str());
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, long long value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(const std::string& section, const std::string& key, double value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    WriteString(section, key, std::string(buf, ec == std::errc() ? end : buf));
}

std::vector<std::string> IniFile::ReadSections() const {
    EntryList sections;
    impl_->ini.GetAllSections(sections);
    std::vector<std::string> names;
    for (const auto& e : InLoadOrder(std::move(sections)))
        names.emplace_back(e.pItem);
    return names;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> names;
    for (auto& [key, value] : ReadSectionValues(section))
        names.push_back(std::move(key));
    return names;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(
    const std::string& section) const {
    const std::string name = CleanName(section);
    EntryList keys;
    impl_->ini.GetAllKeys(name.c_str(), keys);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& e : InLoadOrder(std::move(keys))) {
        const char* stored = impl_->ini.GetValue(name.c_str(), e.pItem, "");
        pairs.emplace_back(e.pItem, ValueFromStored(stored));
    }
    return pairs;
}

void IniFile::EraseSection(const std::string& section) {
    impl_->ini.Delete(CleanName(section).c_str(), nullptr);
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    impl_->ini.Delete(CleanName(section).c_str(), CleanName(key).c_str(), /*removeEmpty=*/false);
}

void IniFile::EraseAllSections() {
    for (const auto& section : ReadSections())
        EraseSection(section);
}

bool IniFile::Save() {
    std::string text;
    if (impl_->ini.Save(text) < 0)
        return false;
    return WriteFileAtomic(path_, text);
}
