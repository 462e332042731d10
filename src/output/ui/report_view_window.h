// The report view window.
#pragma once

#include <QDialog>

class TAprosmOt : public QDialog {
  public:
    explicit TAprosmOt(QWidget* parent = nullptr);
};
