// TConfiguration: the link settings of one module and their place in the module link file.
#pragma once

#include <memory>
#include <string>

#include "comm/link/custom_link.h"

class Prompts;

class TConfiguration {
  public:
    TConfiguration() = default;
    ~TConfiguration() { Clear(); }
    TConfiguration(const TConfiguration&) = delete;
    TConfiguration& operator=(const TConfiguration&) = delete;

    // The link settings, or nullptr when there are none.
    TCustomLink* Link() const { return link_.get(); }

    // Replaces the settings by those of the "Link" section of the file; without a section or a
    // "Type" key (or with "Type" ltUnknown) Link() is nullptr. An unknown enumeration name
    // throws ELinkIni and a bad "smth" throws EPinConvert; the link object built before the
    // error stays in this object.
    void LoadFromFile(const std::string& path);

    // Rewrites the "Link" section of the file (removing it when there are no settings) and
    // leaves every other section as it was. Returns false when the file was not written: it
    // could not be saved, or it exists but could not be read (saving would lose its other
    // sections).
    bool SaveToFile(const std::string& path) const;

    // Takes ownership of link (which may be nullptr) in place of the current settings.
    void SetLink(std::unique_ptr<TCustomLink> link) { link_ = std::move(link); }
    void Clear() { link_.reset(); }

    // Checks a TCP or UDP link before connecting: an empty IP or a Port of 0 or less is told to
    // the user through prompts and gives false. Every other link, and none, passes.
    bool CheckIpSettings(Prompts& prompts) const;
    // The same with the program-wide prompts.
    bool CheckIpSettings() const;

  private:
    std::unique_ptr<TCustomLink> link_;
};
