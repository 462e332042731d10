// An edit box for a directory or a file name, with a button that opens the choice dialog.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <string>

class PathEdit : public QWidget {
    Q_OBJECT
  public:
    enum Mode { Directory, FileName };

    // filter (file names only) as "Description|*.ext".
    explicit PathEdit(Mode mode, std::string filter = "", QWidget* parent = nullptr);

    QString text() const { return edit_->text(); }
    std::string Path() const { return edit_->text().toStdString(); }
    void setText(const QString& text) { edit_->setText(text); }
    void SetPath(const std::string& path) { edit_->setText(QString::fromStdString(path)); }

    QLineEdit* Edit() const { return edit_; }
    QToolButton* Button() const { return button_; }

    // Opens the choice dialog (through the program's prompts) as the button does.
    void Choose();

  signals:
    // Any change of the text, typed or set.
    void textChanged(const QString& text);
    // The user typed a new text and finished (Enter or the focus left the box).
    void edited();
    // A path was chosen in the dialog; the box already shows it.
    void accepted(const QString& path);

  private:
    Mode mode_;
    std::string filter_;
    QLineEdit* edit_;
    QToolButton* button_;
};
