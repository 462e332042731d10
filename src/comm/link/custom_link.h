// The link-settings classes: one class per kind of line, each a plain record of public fields
// whose constructor fixes the kind (Type) and the starting values.
#pragma once

#include <cstdint>
#include <string>

#include "comm/link/link_enums.h"

// Whether a constructor starts the base-class fields from their "not set" values (-1 and
// friends) or leaves them at zero. Several link kinds start from zero; stored files rely on
// it, because a key missing from the file reads as the value the constructor left.
enum class BaseFields { Defaults, Zero };

class TCustomLink {
  public:
    // Type ltUnknown; NNum, Repeats, Timeout and NNum_dopAdapt -1.
    TCustomLink() : TCustomLink(ltUnknown, BaseFields::Defaults) {}
    virtual ~TCustomLink() = default;
    TCustomLink(const TCustomLink&) = default;
    TCustomLink& operator=(const TCustomLink&) = default;

    TLinkType Type = ltUnknown;
    int32_t NNum = 0;
    int32_t Repeats = 0;
    int32_t Timeout = 0;
    TExchangeProtocol Protocol = epUnknown;
    int32_t Sposob = 0;
    int32_t NNum_dopAdapt = 0;

  protected:
    TCustomLink(TLinkType type, BaseFields base);
};

// A serial line.
class TRSLink : public TCustomLink {
  public:
    // The TCustomLink defaults, COM and Speed -1, StopBits sbUnknown.
    TRSLink() : TRSLink(ltUnknown, BaseFields::Defaults) {}

    int32_t COM = 0;
    int32_t Speed = 0;
    TStopBits StopBits = sbUnknown;

  protected:
    TRSLink(TLinkType type, BaseFields base);
};

class TRS232Link : public TRSLink {
  public:
    TRS232Link() : TRSLink(lt232, BaseFields::Zero) {}
};

class TRS485Link : public TRSLink {
  public:
    TRS485Link() : TRSLink(lt485, BaseFields::Zero) {}
};

class TIRPSLink : public TRSLink {
  public:
    TIRPSLink() : TRSLink(ltIrps, BaseFields::Zero) {}

    int32_t IrpsProv = -1;
};

class TWend73Link : public TRSLink {
  public:
    TWend73Link() : TRSLink(ltIWend73, BaseFields::Zero) {}
};

class TWend15Link : public TRSLink {
  public:
    TWend15Link() : TRSLink(ltIWend15, BaseFields::Zero) {}

    // Echo of the multiplexer line: negative, sent frames come back; 0, found out when the
    // line is set up; positive, no echo.
    int32_t WendProv = -1;
    uint8_t Channel = 0;
};

class TCANbusLink : public TRSLink {
  public:
    TCANbusLink();
};

class TModem : public TRSLink {
  public:
    // The TRSLink defaults, then StopBits sb10 and an empty PhoneNumb.
    TModem() : TModem(ltUnknown) {}

    std::string PhoneNumb;
    int32_t TimeoutModem = 0;
    bool ANSWER = false;  // set: result codes as words; clear: numeric result codes
    std::string ATstroka;

  protected:
    explicit TModem(TLinkType type);
};

class THayesLink : public TModem {
  public:
    THayesLink() : TModem(ltHayes) {}

    bool NaborPT = false;  // set: tone dialling; clear: pulse dialling
};

class TGSMLink : public TModem {
  public:
    TGSMLink() : TModem(ltGSM) {}

    std::string Pin;  // kept in the file under the key "smth" (EncodePin)
};

class TIPLink : public TCustomLink {
  public:
    TIPLink() : TIPLink(ltUnknown, BaseFields::Defaults) {}

    int32_t Port = 0;
    std::string IP;
    int32_t TipAdEth = 0;

  protected:
    TIPLink(TLinkType type, BaseFields base) : TCustomLink(type, base) {}
};

class TTCPLink : public TIPLink {
  public:
    // tipAdEth: kind of the Ethernet-capable controller (0 when read from a file).
    explicit TTCPLink(int32_t tipAdEth);
};

class TUDPLink : public TIPLink {
  public:
    explicit TUDPLink(int32_t tipAdEth);
};
