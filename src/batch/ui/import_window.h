// The window that imports report files of the older format.
#pragma once

#include <QDialog>

class TAimportOt : public QDialog {
  public:
    explicit TAimportOt(QWidget* parent = nullptr);
};
