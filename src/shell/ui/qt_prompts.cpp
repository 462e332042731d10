// The program's questions and choices as Qt message boxes, input boxes and file dialogs.
#include "shell/ui/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

struct ButtonDef {
    PromptAnswer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonDef> ButtonsOf(PromptButtons buttons) {
    const ButtonDef ok{PromptAnswer::Ok, "OK", QMessageBox::AcceptRole};
    const ButtonDef yes{PromptAnswer::Yes, "Да", QMessageBox::YesRole};
    const ButtonDef no{PromptAnswer::No, "Нет", QMessageBox::NoRole};
    const ButtonDef cancel{PromptAnswer::Cancel, "Отмена", QMessageBox::RejectRole};
    const ButtonDef retry{PromptAnswer::Retry, "Повтор", QMessageBox::AcceptRole};
    const ButtonDef ignore{PromptAnswer::Ignore, "Пропустить", QMessageBox::ActionRole};
    const ButtonDef yesToAll{PromptAnswer::YesToAll, "Да для всех", QMessageBox::YesRole};
    switch (buttons) {
        case PromptButtons::Ok:
            return {ok};
        case PromptButtons::YesNo:
            return {yes, no};
        case PromptButtons::YesNoCancel:
            return {yes, no, cancel};
        case PromptButtons::OkCancel:
            return {ok, cancel};
        case PromptButtons::RetryCancelIgnore:
            return {retry, cancel, ignore};
        case PromptButtons::YesYesToAllRetryCancel:
            return {yes, yesToAll, retry, cancel};
    }
    return {ok};
}

// What closing the box without a button means.
PromptAnswer ClosedAnswer(const std::vector<ButtonDef>& defs) {
    PromptAnswer answer = defs.front().answer;
    for (const ButtonDef& s : defs) {
        if (s.answer == PromptAnswer::Cancel)
            return PromptAnswer::Cancel;
        if (s.answer == PromptAnswer::No)
            answer = PromptAnswer::No;
    }
    return answer;
}

QMessageBox::Icon IconOf(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString ToQtNameFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

PromptAnswer QtPrompts::Ask(const std::string& caption, const std::string& text,
                            PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(IconOf(icon), Q(caption), Q(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const std::vector<ButtonDef> defs = ButtonsOf(buttons);
    std::vector<std::pair<QAbstractButton*, PromptAnswer>> made;
    for (const ButtonDef& s : defs)
        made.emplace_back(box.addButton(s.text, s.role), s.answer);
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    box.exec();
    for (const auto& [button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    return ClosedAnswer(defs);
}

std::optional<std::string> QtPrompts::InputBox(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(Q(caption));
    dialog.setLabelText(Q(prompt));
    dialog.setTextValue(Q(value));
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Отмена");
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtPrompts::ChooseDirectory(const std::string& caption,
                                                      const std::string& startDir) {
    return Chosen(
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), Q(caption), Q(startDir)));
}

std::optional<std::string> QtPrompts::ChooseOpenFile(const std::string& caption,
                                                     const std::string& filter,
                                                     const std::string& startDir) {
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), Q(caption),
                                               Q(startDir), ToQtNameFilter(filter)));
}

std::optional<std::string> QtPrompts::ChooseSaveFile(const std::string& caption,
                                                     const std::string& filter,
                                                     const std::string& startPath) {
    return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), Q(caption),
                                               Q(startPath), ToQtNameFilter(filter)));
}
