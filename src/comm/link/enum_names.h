// Value names of the link-settings enumerations, as they are stored in INI files.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "comm/link/link_enums.h"

// The names of an enumeration's values in declared order (index = ordinal).
template <typename E>
std::span<const std::string_view> EnumNames();

template <>
std::span<const std::string_view> EnumNames<TLinkType>();
template <>
std::span<const std::string_view> EnumNames<TExchangeProtocol>();
template <>
std::span<const std::string_view> EnumNames<TStopBits>();
template <>
std::span<const std::string_view> EnumNames<TArcType>();
template <>
std::span<const std::string_view> EnumNames<TRestrictionType>();

// The name of a value; empty for a value outside the enumeration.
template <typename E>
std::string_view EnumName(E value) {
    const auto names = EnumNames<E>();
    const auto index = static_cast<size_t>(value);
    return index < names.size() ? names[index] : std::string_view();
}

// The value whose name equals the text exactly; nullopt when there is none.
template <typename E>
std::optional<E> EnumFromName(std::string_view text) {
    const auto names = EnumNames<E>();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == text)
            return static_cast<E>(i);
    return std::nullopt;
}
