// The report form editor window.
#include "screens/report_editor_window.h"

TAredaktorOt::TAredaktorOt(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Velorm - Редактор отчетных бланков");
}
