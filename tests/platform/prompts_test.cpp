// ScriptedPrompts answers and history, and the program-wide prompts with ScopedPrompts.
#include "platform/prompts.h"

#include <gtest/gtest.h>

TEST(ScriptedPrompts, AnswersFromTheScriptThenTheClosedBoxDefaults) {
    ScriptedPrompts p;
    p.PushAnswer(PromptAnswer::Yes);
    p.PushAnswer(PromptAnswer::Retry);
    EXPECT_TRUE(p.Confirm("Удаление", "Удалить?"));
    EXPECT_EQ(p.Ask("c", "t", PromptButtons::RetryCancelIgnore, PromptIcon::Error),
              PromptAnswer::Retry);
    const std::pair<PromptButtons, PromptAnswer> defaults[] = {
        {PromptButtons::Ok, PromptAnswer::Ok},
        {PromptButtons::YesNo, PromptAnswer::No},
        {PromptButtons::YesNoCancel, PromptAnswer::Cancel},
        {PromptButtons::OkCancel, PromptAnswer::Cancel},
        {PromptButtons::RetryCancelIgnore, PromptAnswer::Cancel},
        {PromptButtons::YesYesToAllRetryCancel, PromptAnswer::Cancel},
    };
    for (const auto& [buttons, answer] : defaults)
        EXPECT_EQ(p.Ask("c", "t", buttons, PromptIcon::Question), answer);
    EXPECT_FALSE(p.Confirm("c", "again"));
    p.Message("Сообщение", "Готово");
    ASSERT_EQ(p.History().size(), 10u);
    EXPECT_EQ(p.History()[0].kind, "ask");
    EXPECT_EQ(p.History()[0].caption, "Удаление");
    EXPECT_EQ(p.History()[0].text, "Удалить?");
    EXPECT_EQ(p.History()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(p.History()[9].text, "Готово");
    EXPECT_EQ(p.History()[9].buttons, PromptButtons::Ok);
    p.ClearHistory();
    EXPECT_TRUE(p.History().empty());
}

TEST(ScriptedPrompts, TextsAreSharedByInputsAndChoicesInOrder) {
    ScriptedPrompts p;
    p.PushText("Новый отчет");
    p.PushText(std::nullopt);  // the user cancels
    p.PushText("/home/user/reports");
    p.PushText("/tmp/a.ini");
    EXPECT_EQ(p.InputBox("Имя", "Введите имя", "old"), "Новый отчет");
    EXPECT_EQ(p.ChooseDirectory("Каталог", "/start"), std::nullopt);
    EXPECT_EQ(p.ChooseOpenFile("Открыть", "INI|*.ini", "/dir"), "/home/user/reports");
    EXPECT_EQ(p.ChooseSaveFile("Сохранить", "PDF|*.pdf", "/out/r.pdf"), "/tmp/a.ini");
    EXPECT_EQ(p.InputBox("Имя", "again", ""), std::nullopt);  // script exhausted
    const char* kinds[] = {"input", "directory", "open", "save", "input"};
    const char* texts[] = {"Введите имя", "/start", "/dir", "/out/r.pdf", "again"};
    ASSERT_EQ(p.History().size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(p.History()[i].kind, kinds[i]);
        EXPECT_EQ(p.History()[i].text, texts[i]);
    }
    // Message answers and texts are separate queues.
    p.PushText("x");
    EXPECT_EQ(p.Ask("c", "t", PromptButtons::YesNo, PromptIcon::Question), PromptAnswer::No);
    EXPECT_EQ(p.InputBox("c", "p", ""), "x");
}

TEST(CurrentPrompts, BuiltInScriptUntilSetAndScopedRestores) {
    Prompts& builtIn = CurrentPrompts();
    EXPECT_EQ(builtIn.Ask("c", "t", PromptButtons::YesNo, PromptIcon::Question), PromptAnswer::No);
    EXPECT_EQ(builtIn.InputBox("c", "p", "v"), std::nullopt);

    ScriptedPrompts outer, inner;
    {
        ScopedPrompts useOuter(outer);
        EXPECT_EQ(&CurrentPrompts(), &outer);
        {
            ScopedPrompts useInner(inner);
            EXPECT_EQ(&CurrentPrompts(), &inner);
            CurrentPrompts().Message("c", "to inner");
        }
        EXPECT_EQ(&CurrentPrompts(), &outer);
    }
    EXPECT_EQ(&CurrentPrompts(), &builtIn);
    EXPECT_EQ(inner.History().size(), 1u);
    EXPECT_TRUE(outer.History().empty());

    SetPrompts(&outer);
    EXPECT_EQ(&CurrentPrompts(), &outer);
    SetPrompts(nullptr);
    EXPECT_EQ(&CurrentPrompts(), &builtIn);
}
