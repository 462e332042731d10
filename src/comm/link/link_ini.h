// TLinkIni: an INI file that also reads and writes enumerations by their value names,
// restriction sets, 32-bit integers and "$" hexadecimal integers.
#pragma once

#include <cstdint>
#include <string>

#include "comm/link/elink_ini.h"
#include "comm/link/link_enums.h"
#include "platform/ini_file.h"

// The default text of an enumeration key: a key that reads as this text is absent.
inline constexpr const char* AbsentMarker = "(_._)";

class TLinkIni : public IniFile {
  public:
    using IniFile::IniFile;

    // The value named by the key's text; def when the key is absent or holds AbsentMarker.
    // Any other text that is not a value name throws ELinkIni.
    TLinkType ReadLinkType(const std::string& section, const std::string& key, TLinkType def) const;
    TExchangeProtocol ReadExchangeProtocol(const std::string& section, const std::string& key,
                                           TExchangeProtocol def) const;
    TStopBits ReadStopBits(const std::string& section, const std::string& key, TStopBits def) const;
    TArcType ReadArcType(const std::string& section, const std::string& key, TArcType def) const;

    void WriteLinkType(const std::string& section, const std::string& key, TLinkType value);
    void WriteExchangeProtocol(const std::string& section, const std::string& key,
                               TExchangeProtocol value);
    void WriteStopBits(const std::string& section, const std::string& key, TStopBits value);
    void WriteArcType(const std::string& section, const std::string& key, TArcType value);

    // A comma-separated list of element names (blanks around names and empty items are
    // skipped); def when the key is absent or holds AbsentMarker. An unknown name throws
    // ELinkIni.
    TRestrictionTypes ReadRestrictions(const std::string& section, const std::string& key,
                                       TRestrictionTypes def) const;
    // The names of the elements present, in declared order, joined by commas.
    void WriteRestrictions(const std::string& section, const std::string& key,
                           TRestrictionTypes set);

    // Erases every section whose name equals name exactly (letter case included); an empty
    // name erases every section.
    void EraseSectionsNamed(const std::string& name);

    // "$" and the 32-bit pattern of value in upper-case hexadecimal, at least digits digits
    // (so -1 is written as $FFFFFFFF).
    void WriteHexInteger(const std::string& section, const std::string& key, int digits,
                         int32_t value);

    // A 32-bit integer, decimal or hexadecimal after "$"; a hexadecimal value of up to 32 bits
    // is taken as its bit pattern ($FFFFFFFF reads as -1). def when the key is absent, not a
    // number or outside 32 bits.
    int32_t ReadInt32(const std::string& section, const std::string& key, int32_t def) const;

  private:
    template <typename E>
    E ReadEnum(const std::string& section, const std::string& key, E def,
               const std::string& error) const;
    template <typename E>
    void WriteEnum(const std::string& section, const std::string& key, E value);
};
