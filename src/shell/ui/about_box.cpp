// The about box: product name, purpose, version and date of the program file.
#include "shell/ui/about_box.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/date_time.h"
#include "platform/program_info.h"
#include "shell/ui/logo.h"

TAoprog::TAoprog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("О программе");

    auto* picture = new QLabel(this);
    picture->setPixmap(VelormLogo(180, 64));

    auto* product = new QLabel("Velorm", this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    product->setFont(bold);

    auto* purpose = new QLabel(
        "Программа предназначена \nдля настройки и печати отчетных бланков \nдля контроллеров "
        "серии Zemra и Quorin",
        this);

    VersionLabel = new QLabel("Версия: " + QString::fromStdString(ProgramVersion()), this);
    const double date = ProgramFileDate();
    DateLabel = new QLabel(
        "Дата: " + QString::fromStdString(date > 0 ? FormatDateTime("dd.mm.yyyy", date) : "—"),
        this);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(purpose);
    text->addSpacing(8);
    text->addWidget(VersionLabel);
    text->addWidget(DateLabel);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
