// The Qt prompts: Russian button texts, answers, name filters.
#include "shell/ui/qt_prompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// Calls action with the modal box once it is open.
template <typename Box>
void WithModal(std::function<void(Box*)> action) {
    auto* timer = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, action] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        if (!box && ++*polls < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (box)
            action(box);
        else
            ADD_FAILURE() << "no modal box was shown";
    });
    timer->start(10);
}

QStringList ButtonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(QtPrompts, ButtonsCarryRussianTextsAndGiveTheirAnswers) {
    QtPrompts prompts;
    WithModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Вопрос");
        EXPECT_EQ(ButtonTexts(box), QStringList({"Да", "Да для всех", "Отмена", "Повтор"}));
        ButtonWithText(box, "Да для всех")->click();
    });
    EXPECT_EQ(
        prompts.Ask("Вопрос", "Текст", PromptButtons::YesYesToAllRetryCancel, PromptIcon::Question),
        PromptAnswer::YesToAll);

    WithModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(ButtonTexts(box), QStringList({"Отмена", "Повтор", "Пропустить"}));
        ButtonWithText(box, "Пропустить")->click();
    });
    EXPECT_EQ(prompts.Ask("", "", PromptButtons::RetryCancelIgnore, PromptIcon::Error),
              PromptAnswer::Ignore);
}

TEST(QtPrompts, ClosingTheBoxCountsAsCancelOrNo) {
    QtPrompts prompts;
    struct Case {
        PromptButtons buttons;
        PromptAnswer closed;
    } cases[] = {{PromptButtons::YesNo, PromptAnswer::No},
                 {PromptButtons::YesNoCancel, PromptAnswer::Cancel},
                 {PromptButtons::Ok, PromptAnswer::Ok}};
    for (const Case& c : cases) {
        WithModal<QMessageBox>([](QMessageBox* box) { box->close(); });
        EXPECT_EQ(prompts.Ask("", "", c.buttons, PromptIcon::Warning), c.closed);
    }
}

TEST(QtPrompts, InputBoxReturnsTheTextOrNothing) {
    QtPrompts prompts;
    WithModal<QInputDialog>([](QInputDialog* box) {
        EXPECT_EQ(box->okButtonText(), "OK");
        EXPECT_EQ(box->cancelButtonText(), "Отмена");
        box->setTextValue("пароль");
        box->accept();
    });
    EXPECT_EQ(prompts.InputBox("Укажите пароль 2 уровня", "", ""), "пароль");

    WithModal<QInputDialog>([](QInputDialog* box) { box->reject(); });
    EXPECT_EQ(prompts.InputBox("", "", "x"), std::nullopt);
}

TEST(ToQtNameFilter, ConvertsDescriptionPatternPairs) {
    EXPECT_EQ(ToQtNameFilter("архив BD-Zemra|*.zip"), "архив BD-Zemra (*.zip)");
    EXPECT_EQ(ToQtNameFilter("Отчеты|*.rpt;*.ini|Все|*.*"), "Отчеты (*.rpt *.ini);;Все (*.*)");
    EXPECT_EQ(ToQtNameFilter(""), "");
}

}  // namespace
