// Every question or message core code puts to the user goes through this interface:
// the windows answer with message boxes, tests and the CLI answer from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

enum class PromptButtons {
    Ok,
    YesNo,
    YesNoCancel,
    OkCancel,
    RetryCancelIgnore,
    YesYesToAllRetryCancel
};
enum class PromptIcon { Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Yes, No, Cancel, Retry, Ignore, YesToAll };

class Prompts {
  public:
    virtual ~Prompts() = default;
    // A message box with the given buttons; the answer is the button pressed (closing the
    // box counts as Cancel, or No where there is no Cancel, or Ok for a plain message).
    virtual PromptAnswer Ask(const std::string& caption, const std::string& text,
                             PromptButtons buttons, PromptIcon icon) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& value) = 0;
    // A directory choice starting at startDir; nullopt when cancelled.
    virtual std::optional<std::string> ChooseDirectory(const std::string& caption,
                                                       const std::string& startDir) = 0;
    // A file to open; filter as "Description|*.ext|Other|*.x;*.y".
    virtual std::optional<std::string> ChooseOpenFile(const std::string& caption,
                                                      const std::string& filter,
                                                      const std::string& startDir) = 0;
    // A file name to save to.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& caption,
                                                      const std::string& filter,
                                                      const std::string& startPath) = 0;

    // Shorthands.
    bool Confirm(const std::string& caption, const std::string& text) {
        return Ask(caption, text, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes;
    }
    void Message(const std::string& caption, const std::string& text,
                 PromptIcon icon = PromptIcon::Information) {
        Ask(caption, text, PromptButtons::Ok, icon);
    }
};

// The program-wide prompts. Until something is set, a ScriptedPrompts without answers is used.
Prompts& CurrentPrompts();
void SetPrompts(Prompts* prompts);  // nullptr returns to the built-in scripted prompts

// Answers from a script given in advance and records every question asked. When the script
// is exhausted, Ask answers Cancel (No where there is no Cancel, Ok for a plain message)
// and the choices and input boxes answer nullopt.
class ScriptedPrompts : public Prompts {
  public:
    struct Asked {
        std::string kind;  // "ask", "input", "directory", "open", "save"
        std::string caption;
        std::string text;  // the message, the input prompt, or the start directory or path
        PromptButtons buttons = PromptButtons::Ok;
    };

    void PushAnswer(PromptAnswer answer) { answers_.push_back(answer); }
    void PushText(std::optional<std::string> text) { texts_.push_back(std::move(text)); }
    const std::vector<Asked>& History() const { return asked_; }
    void ClearHistory() { asked_.clear(); }

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

  private:
    std::optional<std::string> NextText(const char* kind, const std::string& caption,
                                        const std::string& text);
    std::deque<PromptAnswer> answers_;
    std::deque<std::optional<std::string>> texts_;
    std::vector<Asked> asked_;
};

// Restores the previous program-wide prompts when it goes out of scope (for tests).
class ScopedPrompts {
  public:
    explicit ScopedPrompts(Prompts& p);
    ~ScopedPrompts();

  private:
    Prompts* previous_;
};
