// NewLink: the leaf class for each kind of line.
#include "comm/link/new_link.h"

std::unique_ptr<TCustomLink> NewLink(TLinkType type) {
    switch (type) {
        case lt232:
            return std::make_unique<TRS232Link>();
        case lt485:
            return std::make_unique<TRS485Link>();
        case ltIrps:
            return std::make_unique<TIRPSLink>();
        case ltIWend73:
            return std::make_unique<TWend73Link>();
        case ltIWend15:
            return std::make_unique<TWend15Link>();
        case ltCANbus:
            return std::make_unique<TCANbusLink>();
        case ltHayes:
            return std::make_unique<THayesLink>();
        case ltGSM:
            return std::make_unique<TGSMLink>();
        case ltTCP:
            return std::make_unique<TTCPLink>(0);
        case ltUDP:
            return std::make_unique<TUDPLink>(0);
        case ltUnknown:
            break;
    }
    return nullptr;
}
