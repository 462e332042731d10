// The report view window.
#include "output/ui/report_view_window.h"

TAprosmOt::TAprosmOt(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Просмотр отчетных бланков");
}
