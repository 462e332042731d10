// The window that saves the reports of many modules in one run.
#pragma once

#include <QDialog>

class TAfastOt : public QDialog {
  public:
    explicit TAfastOt(QWidget* parent = nullptr);
};
