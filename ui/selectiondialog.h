// SelectionDialog: the selection dialog "Salveaza starea curenta" / "Sterge variabile" that saves,
// deletes or exports all variables, the ones checked in its list, or only the variable whose strip
// the pop-up menu was opened on. The main window sets the mode and prepares the third option before
// each showing; every showing rebuilds the list from the workspace, checking the variables marked
// on their strips. Saving asks for the file through the file dialogs and writes the state file,
// reporting errors through the file callbacks. It assumes the workspace does not change while it
// is open, which modality guarantees, so item k of the list is variable k.
#pragma once

#include "core/variable.h"
#include "ui/boundtexts.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;
class QRadioButton;
class FileDialogs;
class RadioGroup;
class StripList;
class loadCallbacks;
class tworkspace;

// What OK does with the chosen variables: save them as a state file, delete them, or hand them to
// an exporter (a sound file, a table of columns).
enum class selectionMode { save, remove, exportTo };
// The options of the target group, in their order: every variable, the ones checked in the list,
// only the variable whose strip was clicked.
enum class selectionTarget { all, listed, clicked };

class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    // The client area at design (the window with its frame is 289 x 343, at least 200 high).
    static constexpr int kClientWidth = 281;
    static constexpr int kClientHeight = 316;
    static constexpr int kMinimumClientHeight = 173;

    struct Collaborators {
        tworkspace& workspace;
        const StripList& strips; // which variables are marked on their strips
        FileDialogs& fileDialogs;
        loadCallbacks& fileCallbacks; // the state file writer's error box
    };
    SelectionDialog(const Collaborators& with, QWidget* parent);

    // Set before the dialog is shown with exec().
    void setMode(selectionMode mode) { mode_ = mode; }
    // In export mode the window carries the caption that `caption` gives in the language of the
    // moment, and OK hands the chosen variables to
    // `exporter`, which asks for the file and writes it; it returns false when the user cancelled.
    void setExport(std::function<QString()> caption,
                   std::function<bool(const std::vector<tdspvarPtr>&)> exporter);
    // The third option ("only the clicked variable"): whether it can be chosen and the variable
    // its caption names (none: the caption speaks of the clicked variable in general), and
    // choosing an option. Choosing from the program enables the list exactly as a choice by the
    // user does.
    void setClickedOption(bool enabled, const QString& variableName = QString());
    void chooseOption(selectionTarget target);
    // The variable the third option stands for.
    void setClickedVariable(tdspvarPtr variable) { clicked_ = std::move(variable); }
    // With `follow` off, the dialog keeps the caller's option even when variables are marked on
    // their strips (saving everything before the program closes).
    void setFollowMarks(bool follow) { followMarks_ = follow; }

signals:
    // A state file was written with the chosen variables; `everyVariable` when they were all of
    // the workspace's.
    void stateFileWritten(bool everyVariable);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The list is enabled exactly while the second option is chosen.
    void targetChanged();
    // The texts that depend on the mode and on the clicked variable, in the language of the moment.
    void showTexts();
    // OK: save (after asking for the file) or delete the chosen variables, then close.
    void carryOut();
    // The variables that OK acts on, in workspace order: the clicked one for `clicked`, else
    // every variable, leaving out for `listed` those whose list item is not checked.
    std::vector<tdspvarPtr> chosenVariables() const;
    // Rebuilds the list from the workspace and sets the caption from the mode.
    void prepareForShow();
    // The list grows with the window; the buttons follow its bottom edge.
    void placeControls();
    bool keptByList(std::size_t index, const tdspvar& variable) const;
    selectionTarget chosenOption() const;

    BoundTexts texts_{"SelectionDialog"};
    // The controls, by role; each carries the name the program's texts give it as its objectName.
    RadioGroup* targetGroup_ = nullptr;     // RadioGroup1, " Target (tinta) : "
    QRadioButton* allButton_ = nullptr;     // RadioButton1, "Toate variabilele"
    QRadioButton* listedButton_ = nullptr;  // RadioButton2, "Selectie din lista"
    QRadioButton* clickedButton_ = nullptr; // RadioButton3, the clicked variable
    QListWidget* list_ = nullptr;           // CheckListBox1
    QPushButton* okButton_ = nullptr;       // Button1, "Ok"
    QPushButton* cancelButton_ = nullptr;   // Button2, "Cancel"

    tworkspace& workspace_;
    const StripList& strips_;
    tdspvarPtr clicked_;
    FileDialogs& fileDialogs_;
    loadCallbacks& fileCallbacks_;
    selectionMode mode_ = selectionMode::save;
    bool followMarks_ = true;
    QString clickedName_;
    std::function<QString()> exportCaption_ = [] { return QString(); };
    std::function<bool(const std::vector<tdspvarPtr>&)> exporter_;
};
