// The window that links report forms to modules.
#pragma once

#include <QDialog>

class TAnastOtch : public QDialog {
  public:
    explicit TAnastOtch(QWidget* parent = nullptr);
};
