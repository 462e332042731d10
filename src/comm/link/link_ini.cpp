// TLinkIni: enumeration names, restriction sets and hexadecimal integers in INI files.
#include "comm/link/link_ini.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "comm/link/enum_names.h"
#include "platform/files.h"

namespace {

bool IsHexText(const std::string& text) {
    const std::string t = Trim(text);
    const size_t start = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    return t.compare(start, 1, "$") == 0 || t.compare(start, 2, "0x") == 0 ||
           t.compare(start, 2, "0X") == 0;
}

}  // namespace

template <typename E>
E TLinkIni::ReadEnum(const std::string& section, const std::string& key, E def,
                     const std::string& error) const {
    const std::string text = ReadString(section, key, AbsentMarker);
    if (text == AbsentMarker)
        return def;
    if (auto value = EnumFromName<E>(text))
        return *value;
    throw ELinkIni(error + text);
}

template <typename E>
void TLinkIni::WriteEnum(const std::string& section, const std::string& key, E value) {
    WriteString(section, key, std::string(EnumName(value)));
}

TLinkType TLinkIni::ReadLinkType(const std::string& section, const std::string& key,
                                 TLinkType def) const {
    return ReadEnum(section, key, def, "Неизвестный тип связи: ");
}

TExchangeProtocol TLinkIni::ReadExchangeProtocol(const std::string& section, const std::string& key,
                                                 TExchangeProtocol def) const {
    return ReadEnum(section, key, def, "Неизвестный тип протокола обмена: ");
}

TStopBits TLinkIni::ReadStopBits(const std::string& section, const std::string& key,
                                 TStopBits def) const {
    return ReadEnum(section, key, def, "Неизвестный тип количества стоп-бит: ");
}

TArcType TLinkIni::ReadArcType(const std::string& section, const std::string& key,
                               TArcType def) const {
    return ReadEnum(section, key, def, "Неизвестный тип архива: ");
}

void TLinkIni::WriteLinkType(const std::string& section, const std::string& key, TLinkType value) {
    WriteEnum(section, key, value);
}

void TLinkIni::WriteExchangeProtocol(const std::string& section, const std::string& key,
                                     TExchangeProtocol value) {
    WriteEnum(section, key, value);
}

void TLinkIni::WriteStopBits(const std::string& section, const std::string& key, TStopBits value) {
    WriteEnum(section, key, value);
}

void TLinkIni::WriteArcType(const std::string& section, const std::string& key, TArcType value) {
    WriteEnum(section, key, value);
}

TRestrictionTypes TLinkIni::ReadRestrictions(const std::string& section, const std::string& key,
                                             TRestrictionTypes def) const {
    const std::string text = ReadString(section, key, AbsentMarker);
    if (text == AbsentMarker)
        return def;
    TRestrictionTypes set;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        const std::string name = Trim(text.substr(start, comma - start));
        start = comma + 1;
        if (name.empty())
            continue;
        const auto element = EnumFromName<TRestrictionType>(name);
        if (!element)
            throw ELinkIni("Неизвестный тип ограничения: " + name);
        set.Include(*element);
    }
    return set;
}

void TLinkIni::WriteRestrictions(const std::string& section, const std::string& key,
                                 TRestrictionTypes set) {
    std::string text;
    for (size_t i = 0; i < EnumNames<TRestrictionType>().size(); ++i) {
        const auto element = static_cast<TRestrictionType>(i);
        if (!set.Contains(element))
            continue;
        if (!text.empty())
            text += ',';
        text += EnumName(element);
    }
    WriteString(section, key, text);
}

void TLinkIni::EraseSectionsNamed(const std::string& name) {
    for (const auto& section : ReadSections())
        if (name.empty() || section == name)
            EraseSection(section);
}

void TLinkIni::WriteHexInteger(const std::string& section, const std::string& key, int digits,
                               int32_t value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "$%0*X", std::clamp(digits, 0, 16),
                  static_cast<unsigned int>(value));
    WriteString(section, key, buf);
}

int32_t TLinkIni::ReadInt32(const std::string& section, const std::string& key, int32_t def) const {
    constexpr long long kOutside = std::numeric_limits<long long>::min();
    const long long value = ReadInteger(section, key, kOutside);
    if (value >= std::numeric_limits<int32_t>::min() &&
        value <= std::numeric_limits<int32_t>::max())
        return static_cast<int32_t>(value);
    if (value > 0 && value <= std::numeric_limits<uint32_t>::max() &&
        IsHexText(ReadString(section, key, "")))
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    return def;
}
