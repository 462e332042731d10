// An edit box for a directory or a file name, with a button that opens the choice dialog.
#include "model/ui/path_edit.h"

#include <QHBoxLayout>

#include "platform/files.h"
#include "platform/prompts.h"

PathEdit::PathEdit(Mode mode, std::string filter, QWidget* parent)
    : QWidget(parent),
      mode_(mode),
      filter_(std::move(filter)),
      edit_(new QLineEdit(this)),
      button_(new QToolButton(this)) {
    button_->setText("...");
    button_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_, 1);
    layout->addWidget(button_);
    setFocusProxy(edit_);

    connect(edit_, &QLineEdit::textChanged, this, &PathEdit::textChanged);
    connect(edit_, &QLineEdit::editingFinished, this, [this] {
        if (!edit_->isModified())
            return;
        edit_->setModified(false);
        emit edited();
    });
    connect(button_, &QToolButton::clicked, this, &PathEdit::Choose);
}

void PathEdit::Choose() {
    const std::string current = Path();
    std::optional<std::string> chosen;
    if (mode_ == Directory)
        chosen = CurrentPrompts().ChooseDirectory("Выбор каталога", current);
    else
        chosen = CurrentPrompts().ChooseOpenFile("Выбор файла", filter_, ExtractFilePath(current));
    if (!chosen)
        return;
    SetPath(*chosen);
    edit_->setModified(false);
    emit accepted(QString::fromStdString(*chosen));
}
