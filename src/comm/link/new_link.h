// Construction of the link-settings object that serves a kind of line.
#pragma once

#include <memory>

#include "comm/link/custom_link.h"

// A new object of the leaf class of the given kind (TCP and UDP with TipAdEth 0); nullptr
// for ltUnknown and for a value outside the enumeration.
std::unique_ptr<TCustomLink> NewLink(TLinkType type);
