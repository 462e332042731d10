// TConfiguration: loading, saving and checking the link settings of a module.
#include "comm/link/configuration.h"

#include "comm/link/link_ini.h"
#include "comm/link/link_section.h"
#include "comm/link/new_link.h"
#include "platform/files.h"
#include "platform/prompts.h"

void TConfiguration::LoadFromFile(const std::string& path) {
    Clear();
    const TLinkIni ini(path);
    link_ = NewLink(ini.ReadLinkType(kLinkSection, "Type", ltUnknown));
    if (link_)
        ReadLinkKeys(ini, *link_);
}

bool TConfiguration::SaveToFile(const std::string& path) const {
    TLinkIni ini(path);
    if (!ini.Loaded() && FileExists(path))
        return false;
    ini.EraseSectionsNamed(kLinkSection);
    if (link_) {
        ini.EraseSection(kLinkSection);
        WriteLinkKeys(ini, *link_);
    }
    return ini.Save();
}

bool TConfiguration::CheckIpSettings(Prompts& prompts) const {
    if (!dynamic_cast<const TTCPLink*>(link_.get()) && !dynamic_cast<const TUDPLink*>(link_.get()))
        return true;
    const auto* ip = static_cast<const TIPLink*>(link_.get());
    if (ip->IP.empty()) {
        prompts.Message("Velorm", "В настройках связи отсутствует IP-адрес");
        return false;
    }
    if (ip->Port <= 0) {
        prompts.Message("Velorm", "В настройках связи указан неверный номер TCP/UDP порта");
        return false;
    }
    return true;
}

bool TConfiguration::CheckIpSettings() const {
    return CheckIpSettings(CurrentPrompts());
}
