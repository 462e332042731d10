// The panel through which the user points the program at its configuration database.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <functional>
#include <optional>
#include <string>

#include "model/configdb/db_state_text.h"
#include "model/ui/path_edit.h"

// "panelBDZemra": the kind (zip archive or directory), the path, and the state of the database
// after the last attempt to open it. Every child is named after the panel plus its role.
class tKesh_BDZemra_optPanel : public QFrame {
    Q_OBJECT
  public:
    explicit tKesh_BDZemra_optPanel(QWidget* parent = nullptr);

    // Puts the open database into the box of its kind, selects that kind and applies; a
    // database that failed to open is shown with its path and the reason.
    void ShowCurrent();
    // Lets the user choose the kind.
    void EnableChoice();
    // Told after every attempt to open the database from the panel.
    std::function<void()> OnChange;

    // Handlers: the kind was chosen; a path was accepted in either box; either box was edited.
    void RadioButtonChange();
    void PathEditorChange(const std::string& path);
    void PathEditorChangeE();

    QLabel* LabelPath;
    QRadioButton* RadioButtonZip;
    QRadioButton* RadioButtonFile;
    PathEdit* PathEditorZip;
    PathEdit* PathEditorFile;
    QLabel* LabelVersName;
    QLabel* LabelVersVers;

  private:
    int SelectedKind() const;
    void EnableEditorOfKind();
    // Opens the database of the selected kind at path (or at the selected box's text) and
    // shows the outcome.
    void Apply(const std::optional<std::string>& path);
    void ShowState(const DbStateText& text, bool opened);
};
