// ELinkIni: the error the link-settings INI reader raises for an unknown enumeration name.
#pragma once

#include <stdexcept>

class ELinkIni : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
