// Constructors of the link-settings classes.
#include "comm/link/custom_link.h"

TCustomLink::TCustomLink(TLinkType type, BaseFields base) : Type(type) {
    if (base == BaseFields::Zero)
        return;
    NNum = -1;
    Repeats = -1;
    Timeout = -1;
    NNum_dopAdapt = -1;
}

TRSLink::TRSLink(TLinkType type, BaseFields base) : TCustomLink(type, base) {
    if (base == BaseFields::Zero)
        return;
    COM = -1;
    Speed = -1;
}

TCANbusLink::TCANbusLink() : TRSLink(ltCANbus, BaseFields::Zero) {
    Protocol = epCANbus;
    Speed = 115200;
    StopBits = sb10;
}

TModem::TModem(TLinkType type) : TRSLink(type, BaseFields::Defaults) {
    StopBits = sb10;
}

TTCPLink::TTCPLink(int32_t tipAdEth) : TIPLink(ltTCP, BaseFields::Zero) {
    TipAdEth = tipAdEth;
}

TUDPLink::TUDPLink(int32_t tipAdEth) : TIPLink(ltUDP, BaseFields::Zero) {
    TipAdEth = tipAdEth;
}
