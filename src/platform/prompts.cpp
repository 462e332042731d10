// The program-wide prompts and the scripted prompts that tests and the CLI answer with.
#include "platform/prompts.h"

namespace {

Prompts* g_prompts = nullptr;  // nullptr: the built-in scripted prompts

// What a closed message box answers: Cancel where there is one, else No, else Ok.
PromptAnswer ClosedAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
    }
}

}  // namespace

Prompts& CurrentPrompts() {
    static ScriptedPrompts builtIn;
    return g_prompts ? *g_prompts : builtIn;
}

void SetPrompts(Prompts* prompts) {
    g_prompts = prompts;
}

PromptAnswer ScriptedPrompts::Ask(const std::string& caption, const std::string& text,
                                  PromptButtons buttons, PromptIcon icon) {
    asked_.push_back({"ask", caption, text, buttons});
    if (answers_.empty())
        return ClosedAnswer(buttons);
    const PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompts::NextText(const char* kind, const std::string& caption,
                                                     const std::string& text) {
    asked_.push_back({kind, caption, text, PromptButtons::Ok});
    if (texts_.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(texts_.front());
    texts_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompts::InputBox(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& value) {
    return NextText("input", caption, prompt);
}

std::optional<std::string> ScriptedPrompts::ChooseDirectory(const std::string& caption,
                                                            const std::string& startDir) {
    return NextText("directory", caption, startDir);
}

std::optional<std::string> ScriptedPrompts::ChooseOpenFile(const std::string& caption,
                                                           const std::string& filter,
                                                           const std::string& startDir) {
    return NextText("open", caption, startDir);
}

std::optional<std::string> ScriptedPrompts::ChooseSaveFile(const std::string& caption,
                                                           const std::string& filter,
                                                           const std::string& startPath) {
    return NextText("save", caption, startPath);
}

ScopedPrompts::ScopedPrompts(Prompts& p) : previous_(g_prompts) {
    g_prompts = &p;
}

ScopedPrompts::~ScopedPrompts() {
    g_prompts = previous_;
}
