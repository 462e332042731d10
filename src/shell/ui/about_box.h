// The about box: product name, purpose, version and date of the program file.
#pragma once

#include <QDialog>
#include <QLabel>

class TAoprog : public QDialog {
    Q_OBJECT
  public:
    explicit TAoprog(QWidget* parent = nullptr);

    QLabel* VersionLabel;
    QLabel* DateLabel;
};
