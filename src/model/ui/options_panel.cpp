// The panel through which the user points the program at its configuration database.
#include "model/ui/options_panel.h"

#include <QGridLayout>

#include "model/configdb/config_db.h"
#include "model/configdb/db_state_text.h"

namespace {

// Database kinds as the database object takes them.
constexpr int kDbKindZip = 0;
constexpr int kDbKindDirectory = 1;

template <typename W>
W* Named(W* widget, const QString& panelName, const char* suffix) {
    widget->setObjectName(panelName + suffix);
    return widget;
}

}  // namespace

tKesh_BDZemra_optPanel::tKesh_BDZemra_optPanel(QWidget* parent) : QFrame(parent) {
    const QString name = "panelBDZemra";
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    LabelPath = Named(new QLabel("Путь к библиотеке БД-Zemra:", this), name, "LabelPath");
    RadioButtonZip = Named(new QRadioButton("к zip-файлу", this), name, "RadioButtonZip");
    RadioButtonFile = Named(new QRadioButton("к каталогу", this), name, "RadioButtonFile");
    PathEditorZip = Named(new PathEdit(PathEdit::FileName, "архив BD-Zemra|*.zip", this), name,
                          "PathEditorZip");
    PathEditorFile = Named(new PathEdit(PathEdit::Directory, "", this), name, "PathEditorFile");
    LabelVersName = Named(new QLabel(this), name, "LabelVersName");
    LabelVersVers = Named(new QLabel(this), name, "LabelVersVers");
    LabelVersVers->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelPath, 0, 0, 1, 2);
    grid->addWidget(RadioButtonZip, 1, 0);
    grid->addWidget(PathEditorZip, 1, 1);
    grid->addWidget(RadioButtonFile, 2, 0);
    grid->addWidget(PathEditorFile, 2, 1);
    grid->addWidget(LabelVersName, 3, 0);
    grid->addWidget(LabelVersVers, 3, 1);
    grid->setColumnStretch(1, 1);

    RadioButtonZip->setChecked(true);
    RadioButtonZip->setEnabled(false);
    RadioButtonFile->setEnabled(false);
    EnableEditorOfKind();

    connect(RadioButtonZip, &QRadioButton::clicked, this, [this] { RadioButtonChange(); });
    connect(RadioButtonFile, &QRadioButton::clicked, this, [this] { RadioButtonChange(); });
    for (PathEdit* editor : {PathEditorZip, PathEditorFile}) {
        connect(editor, &PathEdit::accepted, this,
                [this](const QString& path) { PathEditorChange(path.toStdString()); });
        connect(editor, &PathEdit::edited, this, [this] { PathEditorChangeE(); });
    }
}

int tKesh_BDZemra_optPanel::SelectedKind() const {
    return RadioButtonZip->isChecked() ? kDbKindZip : kDbKindDirectory;
}

void tKesh_BDZemra_optPanel::EnableEditorOfKind() {
    PathEditorZip->setEnabled(SelectedKind() == kDbKindZip);
    PathEditorFile->setEnabled(SelectedKind() == kDbKindDirectory);
}

void tKesh_BDZemra_optPanel::Apply(const std::optional<std::string>& path) {
    const int kind = SelectedKind();
    const std::string target =
        path ? *path : (kind == kDbKindZip ? PathEditorZip : PathEditorFile)->Path();
    tKesh_BDZemra_forBDD7& db = ConfigDb();
    bool opened = false;
    std::string error;
    if (!target.empty()) {
        opened = db.Open(kind, target, &error);
        if (error.empty())
            error = db.LastError();
    }
    ShowState(DescribeDbState(!target.empty(), opened, db.GetVersion(), error), opened);
    if (OnChange)
        OnChange();
}

void tKesh_BDZemra_optPanel::ShowState(const DbStateText& text, bool opened) {
    LabelVersName->setText(QString::fromStdString(text.name));
    LabelVersVers->setText(QString::fromStdString(text.value));
    LabelVersVers->setStyleSheet(opened ? "" : "color: maroon");
}

void tKesh_BDZemra_optPanel::ShowCurrent() {
    tKesh_BDZemra_forBDD7& db = ConfigDb();
    const bool opened = db.DbOpened();
    // A database that did not open is shown with the path tried and the reason, so the user
    // sees what to correct; it is not opened again.
    const std::string& path = opened ? db.DbPath() : db.RequestedPath();
    if (path.empty())
        return;
    const bool zip = db.DbKind() == kDbKindZip;
    (zip ? PathEditorZip : PathEditorFile)->SetPath(path);
    (zip ? RadioButtonZip : RadioButtonFile)->setChecked(true);
    EnableEditorOfKind();
    if (opened)
        Apply(std::nullopt);
    else
        ShowState(DescribeDbState(true, false, "", db.LastError()), false);
}

void tKesh_BDZemra_optPanel::EnableChoice() {
    RadioButtonZip->setEnabled(true);
    RadioButtonFile->setEnabled(true);
}

void tKesh_BDZemra_optPanel::RadioButtonChange() {
    EnableEditorOfKind();
    Apply(std::nullopt);
}

void tKesh_BDZemra_optPanel::PathEditorChange(const std::string& path) {
    Apply(path);
}

void tKesh_BDZemra_optPanel::PathEditorChangeE() {
    Apply(std::nullopt);
}
