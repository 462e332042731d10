// The program's questions and choices as Qt message boxes, input boxes and file dialogs.
#pragma once

#include <QString>

#include "platform/prompts.h"

// "Description|*.ext|Other|*.x;*.y" -> "Description (*.ext);;Other (*.x *.y)".
QString ToQtNameFilter(const std::string& filter);

class QtPrompts : public Prompts {
  public:
    PromptAnswer Ask(const std::string& caption, const std::string& text, PromptButtons buttons,
                     PromptIcon icon) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& value) override;
    std::optional<std::string> ChooseDirectory(const std::string& caption,
                                               const std::string& startDir) override;
    std::optional<std::string> ChooseOpenFile(const std::string& caption, const std::string& filter,
                                              const std::string& startDir) override;
    std::optional<std::string> ChooseSaveFile(const std::string& caption, const std::string& filter,
                                              const std::string& startPath) override;
};
