// Link-settings classes: the starting values of every class (the -1 "not set" values versus
// the zeros of the kinds that skip them), NewLink and the enumeration names.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "comm/link/custom_link.h"
#include "comm/link/enum_names.h"
#include "comm/link/new_link.h"

namespace {

struct ClassDefaults {
    const char* name;
    std::function<std::unique_ptr<TCustomLink>()> make;
    TLinkType type;
    int32_t nnum, repeats, timeout;
    TExchangeProtocol protocol;
    int32_t nnumDopAdapt;
    // Serial-line fields; checked only for TRSLink and below.
    int32_t com, speed;
    TStopBits stopBits;
};

template <typename T, typename... Args>
std::function<std::unique_ptr<TCustomLink>()> Make(Args... args) {
    return [=] { return std::make_unique<T>(args...); };
}

const ClassDefaults kDefaults[] = {
    {"TCustomLink", Make<TCustomLink>(), ltUnknown, -1, -1, -1, epUnknown, -1, 0, 0, sbUnknown},
    {"TRSLink", Make<TRSLink>(), ltUnknown, -1, -1, -1, epUnknown, -1, -1, -1, sbUnknown},
    {"TModem", Make<TModem>(), ltUnknown, -1, -1, -1, epUnknown, -1, -1, -1, sb10},
    {"THayesLink", Make<THayesLink>(), ltHayes, -1, -1, -1, epUnknown, -1, -1, -1, sb10},
    {"TGSMLink", Make<TGSMLink>(), ltGSM, -1, -1, -1, epUnknown, -1, -1, -1, sb10},
    {"TIPLink", Make<TIPLink>(), ltUnknown, -1, -1, -1, epUnknown, -1, 0, 0, sbUnknown},
    // These constructors leave every base field at zero, NNum_dopAdapt included.
    {"TRS232Link", Make<TRS232Link>(), lt232, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TRS485Link", Make<TRS485Link>(), lt485, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TIRPSLink", Make<TIRPSLink>(), ltIrps, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TWend73Link", Make<TWend73Link>(), ltIWend73, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TWend15Link", Make<TWend15Link>(), ltIWend15, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TCANbusLink", Make<TCANbusLink>(), ltCANbus, 0, 0, 0, epCANbus, 0, 0, 115200, sb10},
    {"TTCPLink", Make<TTCPLink>(3), ltTCP, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
    {"TUDPLink", Make<TUDPLink>(0), ltUDP, 0, 0, 0, epUnknown, 0, 0, 0, sbUnknown},
};

}  // namespace

TEST(LinkClasses, ConstructorDefaults) {
    for (const auto& row : kDefaults) {
        SCOPED_TRACE(row.name);
        const auto link = row.make();
        EXPECT_EQ(link->Type, row.type);
        EXPECT_EQ(link->NNum, row.nnum);
        EXPECT_EQ(link->Repeats, row.repeats);
        EXPECT_EQ(link->Timeout, row.timeout);
        EXPECT_EQ(link->Protocol, row.protocol);
        EXPECT_EQ(link->Sposob, 0);
        EXPECT_EQ(link->NNum_dopAdapt, row.nnumDopAdapt);
        if (const auto* rs = dynamic_cast<const TRSLink*>(link.get())) {
            EXPECT_EQ(rs->COM, row.com);
            EXPECT_EQ(rs->Speed, row.speed);
            EXPECT_EQ(rs->StopBits, row.stopBits);
        }
        if (const auto* modem = dynamic_cast<const TModem*>(link.get())) {
            EXPECT_EQ(modem->PhoneNumb, "");
            EXPECT_EQ(modem->TimeoutModem, 0);
            EXPECT_FALSE(modem->ANSWER);
        }
    }
}

TEST(LinkClasses, OwnFieldDefaults) {
    EXPECT_EQ(TIRPSLink().IrpsProv, -1);
    EXPECT_EQ(TWend15Link().WendProv, -1);
    EXPECT_EQ(TWend15Link().Channel, 0);
    EXPECT_FALSE(THayesLink().NaborPT);
    EXPECT_EQ(TGSMLink().Pin, "");
    const TTCPLink tcp(3);
    EXPECT_EQ(tcp.TipAdEth, 3);
    EXPECT_EQ(tcp.Port, 0);
    EXPECT_EQ(tcp.IP, "");
}

TEST(LinkClasses, NewLinkBuildsTheLeafOfEveryKind) {
    for (size_t i = 0; i < EnumNames<TLinkType>().size(); ++i) {
        const auto type = static_cast<TLinkType>(i);
        SCOPED_TRACE(EnumName(type));
        const auto link = NewLink(type);
        if (type == ltUnknown) {
            EXPECT_EQ(link, nullptr);
            continue;
        }
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->Type, type);
    }
    EXPECT_EQ(NewLink(static_cast<TLinkType>(99)), nullptr);
    EXPECT_EQ(dynamic_cast<TTCPLink&>(*NewLink(ltTCP)).TipAdEth, 0);
}

TEST(LinkEnums, NamesInDeclaredOrderAndExactLookup) {
    EXPECT_EQ(EnumName(ltIWend15), "ltIWend15");
    EXPECT_EQ(EnumName(ltUDP), "ltUDP");
    EXPECT_EQ(EnumName(epFT12CRCplus), "epFT12CRCplus");
    EXPECT_EQ(EnumName(sb20), "sb20");
    EXPECT_EQ(EnumName(atHalfHour), "atHalfHour");
    EXPECT_EQ(EnumName(rtEmeMin), "rtEmeMin");
    EXPECT_EQ(EnumName(static_cast<TStopBits>(7)), "");
    EXPECT_EQ(EnumFromName<TLinkType>("ltCANbus"), ltCANbus);
    EXPECT_EQ(EnumFromName<TArcType>("atMonth"), atMonth);
    EXPECT_EQ(EnumFromName<TLinkType>("LT232"), std::nullopt);
    EXPECT_EQ(EnumFromName<TLinkType>(""), std::nullopt);
    EXPECT_EQ(EnumFromName<TExchangeProtocol>("epFT12 "), std::nullopt);
}

TEST(LinkEnums, RestrictionSet) {
    TRestrictionTypes set{rtWarMin, rtEmeMax};
    EXPECT_TRUE(set.Contains(rtEmeMax));
    EXPECT_TRUE(set.Contains(rtWarMin));
    EXPECT_FALSE(set.Contains(rtWarMax));
    EXPECT_EQ(set.Bits(), 0b0101);
    set.Exclude(rtEmeMax);
    set.Include(rtEmeMin);
    EXPECT_EQ(set, (TRestrictionTypes{rtWarMin, rtEmeMin}));
    EXPECT_TRUE(TRestrictionTypes().Empty());
}
