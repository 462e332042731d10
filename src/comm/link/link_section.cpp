// Reading and writing the keys of the "Link" section for each link class.
#include "comm/link/link_section.h"

#include "comm/link/pin_code.h"

namespace {

constexpr const char* S = kLinkSection;

void ReadSerialKeys(const TLinkIni& ini, TRSLink& rs) {
    rs.COM = ini.ReadInt32(S, "COM", rs.COM);
    rs.Speed = ini.ReadInt32(S, "Speed", rs.Speed);
    // The CAN-bus adapter always runs with one stop bit, whatever the file says.
    if (!dynamic_cast<TCANbusLink*>(&rs))
        rs.StopBits = ini.ReadStopBits(S, "StopBits", rs.StopBits);
    if (auto* irps = dynamic_cast<TIRPSLink*>(&rs))
        irps->IrpsProv = ini.ReadInt32(S, "IrpsProv", -1);
    if (auto* wend = dynamic_cast<TWend15Link*>(&rs)) {
        wend->WendProv = ini.ReadInt32(S, "WendProv", -1);
        const int32_t channel = ini.ReadInt32(S, "Channel", 0);
        wend->Channel = channel >= 0 && channel <= 255 ? static_cast<uint8_t>(channel) : 0;
    }
    if (auto* modem = dynamic_cast<TModem*>(&rs)) {
        modem->PhoneNumb = ini.ReadString(S, "PhoneNumb", "");
        modem->ATstroka = ini.ReadString(S, "ATstroka", "");
        modem->TimeoutModem = ini.ReadInt32(S, "TimeoutModem", 60);
    }
    if (auto* hayes = dynamic_cast<THayesLink*>(&rs)) {
        hayes->ANSWER = ini.ReadBool(S, "ANSWER", false);
        hayes->NaborPT = ini.ReadBool(S, "NaborPT", false);
    }
    if (auto* gsm = dynamic_cast<TGSMLink*>(&rs))
        gsm->Pin = DecodePin(ini.ReadString(S, "smth", ""));
}

void ReadIpKeys(const TLinkIni& ini, TIPLink& ip) {
    ip.IP = ini.ReadString(S, "IP", ip.IP);
    ip.Port = ini.ReadInt32(S, "Port", ip.Port);
    ip.TipAdEth = ini.ReadInt32(S, "TipAdEth", 0);
}

void WriteSerialKeys(TLinkIni& ini, const TRSLink& rs) {
    ini.WriteInteger(S, "COM", rs.COM);
    ini.WriteInteger(S, "Speed", rs.Speed);
    ini.WriteStopBits(S, "StopBits", rs.StopBits);
    if (const auto* irps = dynamic_cast<const TIRPSLink*>(&rs))
        ini.WriteInteger(S, "IrpsProv", irps->IrpsProv);
    if (const auto* wend = dynamic_cast<const TWend15Link*>(&rs)) {
        ini.WriteInteger(S, "WendProv", wend->WendProv);
        ini.WriteInteger(S, "Channel", wend->Channel);
    }
    if (const auto* modem = dynamic_cast<const TModem*>(&rs)) {
        ini.WriteString(S, "PhoneNumb", modem->PhoneNumb);
        ini.WriteString(S, "ATstroka", modem->ATstroka);
        ini.WriteInteger(S, "TimeoutModem", modem->TimeoutModem);
    }
    if (const auto* hayes = dynamic_cast<const THayesLink*>(&rs)) {
        ini.WriteBool(S, "ANSWER", hayes->ANSWER);
        ini.WriteBool(S, "NaborPT", hayes->NaborPT);
    }
    if (const auto* gsm = dynamic_cast<const TGSMLink*>(&rs))
        ini.WriteString(S, "smth", EncodePin(gsm->Pin));
}

void WriteIpKeys(TLinkIni& ini, const TIPLink& ip) {
    ini.WriteString(S, "IP", ip.IP);
    ini.WriteHexInteger(S, "Port", 4, ip.Port);
    ini.WriteInteger(S, "TipAdEth", ip.TipAdEth);
}

}  // namespace

void ReadLinkKeys(const TLinkIni& ini, TCustomLink& link) {
    link.NNum = ini.ReadInt32(S, "NNum", link.NNum);
    link.Repeats = ini.ReadInt32(S, "Repeats", link.Repeats);
    link.Timeout = ini.ReadInt32(S, "Timeout", link.Timeout);
    link.Protocol = ini.ReadExchangeProtocol(S, "Protocol", link.Protocol);
    link.Sposob = ini.ReadInt32(S, "Sposob", 0);
    link.NNum_dopAdapt = ini.ReadInt32(S, "NNum_dopAdapt", -1);
    if (auto* rs = dynamic_cast<TRSLink*>(&link))
        ReadSerialKeys(ini, *rs);
    if (auto* ip = dynamic_cast<TIPLink*>(&link))
        ReadIpKeys(ini, *ip);
}

void WriteLinkKeys(TLinkIni& ini, const TCustomLink& link) {
    ini.WriteLinkType(S, "Type", link.Type);
    ini.WriteHexInteger(S, "NNum", 2, link.NNum);
    ini.WriteInteger(S, "Repeats", link.Repeats);
    ini.WriteInteger(S, "Timeout", link.Timeout);
    ini.WriteExchangeProtocol(S, "Protocol", link.Protocol);
    ini.WriteInteger(S, "Sposob", link.Sposob);
    ini.WriteInteger(S, "NNum_dopAdapt", link.NNum_dopAdapt);
    if (const auto* rs = dynamic_cast<const TRSLink*>(&link))
        WriteSerialKeys(ini, *rs);
    if (const auto* ip = dynamic_cast<const TIPLink*>(&link))
        WriteIpKeys(ini, *ip);
}
