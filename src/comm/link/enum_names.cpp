// Name tables of the link-settings enumerations.
#include "comm/link/enum_names.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 11> kLinkTypeNames = {
    "ltUnknown", "lt232",   "lt485", "ltIrps", "ltIWend73", "ltIWend15",
    "ltCANbus",  "ltHayes", "ltGSM", "ltTCP",  "ltUDP"};
constexpr std::array<std::string_view, 5> kExchangeProtocolNames = {
    "epUnknown", "epFT12", "epFT12CRC", "epFT12CRCplus", "epCANbus"};
constexpr std::array<std::string_view, 4> kStopBitsNames = {"sbUnknown", "sb10", "sb15", "sb20"};
constexpr std::array<std::string_view, 6> kArcTypeNames = {"atUnknown", "atHour",     "atDay",
                                                           "atMonth",   "atInterval", "atHalfHour"};
constexpr std::array<std::string_view, 4> kRestrictionTypeNames = {"rtEmeMax", "rtWarMax",
                                                                   "rtWarMin", "rtEmeMin"};

static_assert(kLinkTypeNames.size() == ltUDP + 1);
static_assert(kExchangeProtocolNames.size() == epCANbus + 1);
static_assert(kStopBitsNames.size() == sb20 + 1);
static_assert(kArcTypeNames.size() == atHalfHour + 1);
static_assert(kRestrictionTypeNames.size() == rtEmeMin + 1);

}  // namespace

template <>
std::span<const std::string_view> EnumNames<TLinkType>() {
    return kLinkTypeNames;
}
template <>
std::span<const std::string_view> EnumNames<TExchangeProtocol>() {
    return kExchangeProtocolNames;
}
template <>
std::span<const std::string_view> EnumNames<TStopBits>() {
    return kStopBitsNames;
}
template <>
std::span<const std::string_view> EnumNames<TArcType>() {
    return kArcTypeNames;
}
template <>
std::span<const std::string_view> EnumNames<TRestrictionType>() {
    return kRestrictionTypeNames;
}
