// The dialog in which the user sets the configuration database and the report-forms and
// modules directories.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <string>

#include "model/ui/options_panel.h"
#include "model/ui/path_edit.h"

class TAwayBd : public QDialog {
    Q_OBJECT
  public:
    // Creation: marks the database contents for loading and builds the controls.
    explicit TAwayBd(QWidget* parent = nullptr);

    // Discards the edits: reopens the saved database and shows the directories in force.
    void RestoreSettings();
    // Checks and stores the edits; with ask, a failed check asks whether to stay. True when
    // the dialog may close.
    bool SaveSettings(bool ask);

    // Closing (close box, Escape) with unsaved edits goes through SaveSettings(true).
    void reject() override;

    tKesh_BDZemra_optPanel* panelBDZemra;
    PathEdit* DirectoryEdit3;  // report forms
    QToolButton* SpeedButton1;
    QPushButton* BitBtn1;
    PathEdit* DirectoryEdit4;  // modules
    QToolButton* SpeedButton2;
    QPushButton* BitBtn2;
    QLabel* Label3;
    QPushButton* Button1;  // "Сохранить"
    QPushButton* Button2;  // "Отменить"

  signals:
    // The dialog has been shown and has taken the settings in force.
    void activatedForEditing();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // What differs between the report-forms and the modules row.
    struct DirectoryRow {
        PathEdit* edit;
        QToolButton* search;
        QToolButton* otherSearch;
        std::function<std::string(const std::string&)> find;
        const char* searching;
        const char* found;
        const char* notFound;
        bool flattenCopy;
        const char* changeQuestion;
    };

    void FormShow();
    void FormActivate();
    void MarkEdited() { Button2->setEnabled(true); }
    void SearchToggled(const DirectoryRow& row, bool pressed);
    void CopyDirectory(const DirectoryRow& row);

    DirectoryRow reportsRow_;
    DirectoryRow modulesRow_;
    int savedKind_ = 1;
    std::string savedPath_;
    bool searching_ = false;
};
