// Enumerations of the link settings (kind of line, protocol, stop bits, archive kind) and the
// set of archive value restrictions; the ordinal of each value is its declared position.
#pragma once

#include <cstdint>
#include <initializer_list>

enum TLinkType : int32_t {
    ltUnknown,
    lt232,
    lt485,
    ltIrps,
    ltIWend73,
    ltIWend15,
    ltCANbus,
    ltHayes,
    ltGSM,
    ltTCP,
    ltUDP
};

enum TExchangeProtocol : int32_t { epUnknown, epFT12, epFT12CRC, epFT12CRCplus, epCANbus };

enum TStopBits : int32_t { sbUnknown, sb10, sb15, sb20 };

enum TArcType : int32_t { atUnknown, atHour, atDay, atMonth, atInterval, atHalfHour };

enum TRestrictionType : int32_t { rtEmeMax, rtWarMax, rtWarMin, rtEmeMin };

// A set of TRestrictionType elements, one bit per element in declared order.
class TRestrictionTypes {
  public:
    constexpr TRestrictionTypes() = default;
    constexpr TRestrictionTypes(std::initializer_list<TRestrictionType> elements) {
        for (TRestrictionType e : elements)
            Include(e);
    }

    constexpr bool Contains(TRestrictionType e) const { return (bits_ & Bit(e)) != 0; }
    constexpr void Include(TRestrictionType e) { bits_ |= Bit(e); }
    constexpr void Exclude(TRestrictionType e) { bits_ &= static_cast<uint8_t>(~Bit(e)); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint8_t Bits() const { return bits_; }

    friend constexpr bool operator==(TRestrictionTypes, TRestrictionTypes) = default;

  private:
    static constexpr uint8_t Bit(TRestrictionType e) { return static_cast<uint8_t>(1u << e); }
    uint8_t bits_ = 0;
};
