// The keys of the "Link" section of a module link file: which keys each link class has, in
// the order they are written, and the value a missing key reads as.
#pragma once

#include "comm/link/custom_link.h"
#include "comm/link/link_ini.h"

inline constexpr const char* kLinkSection = "Link";

// Reads the keys that apply to the class of link (all but "Type") from section "Link". A key
// that is missing or not a number leaves its read default. An unknown enumeration name
// throws ELinkIni; a "smth" pair that is not hexadecimal throws EPinConvert.
void ReadLinkKeys(const TLinkIni& ini, TCustomLink& link);

// Writes every key that applies to the class of link, "Type" first, into section "Link".
void WriteLinkKeys(TLinkIni& ini, const TCustomLink& link);
