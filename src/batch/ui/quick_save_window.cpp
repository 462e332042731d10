// The window that saves the reports of many modules in one run.
#include "batch/ui/quick_save_window.h"

TAfastOt::TAfastOt(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Быстрое сохранение отчетов");
}
