// The window that imports report files of the older format.
#include "batch/ui/import_window.h"

TAimportOt::TAimportOt(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Импорт старых отчетов");
}
