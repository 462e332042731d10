// The window that links report forms to modules.
#include "screens/link_window.h"

TAnastOtch::TAnastOtch(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Связь отчета с модулем");
}
