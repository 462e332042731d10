// The report form editor window.
#pragma once

#include <QDialog>

class TAredaktorOt : public QDialog {
  public:
    explicit TAredaktorOt(QWidget* parent = nullptr);
};
