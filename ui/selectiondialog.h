// SelectionDialog: the selection dialog that saves or deletes all variables, the ones checked in its list,
// or only the variable whose strip the pop-up menu was opened on. The main window sets the mode
// and prepares the third option before each showing; every showing rebuilds the list from the
// workspace, checking the variables marked on their strips. It assumes the workspace does not
// change while it is open, which modality guarantees, so item k of the list is variable k.
#pragma once

#include "core/variable.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;
class QRadioButton;
class MainWindow;
class RadioGroup;

class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    // The client area at design (the window with its frame is 289 x 343, at least 200 high).
    static constexpr int kClientWidth = 281;
    static constexpr int kClientHeight = 316;
    static constexpr int kMinimumClientHeight = 173;

    explicit SelectionDialog(MainWindow* mainForm);

    // 0 save, 1 delete, kExportMode export; set before the dialog is shown with exec().
    static constexpr int kExportMode = 2;
    void setMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // In export mode the window carries `caption`, and OK hands the chosen variables to
    // `exporter`, which asks for the file and writes it; it returns false when the user cancelled.
    void setExport(const QString& caption,
                   std::function<bool(const std::vector<tdspvarPtr>&)> exporter);
    // The third option ("only the clicked variable"): its caption, whether it can be chosen, and
    // choosing an option (0 all, 1 the checked ones, 2 the clicked one). Choosing from the
    // program enables the list exactly as a choice by the user does.
    QString clickedOptionCaption() const;
    void setClickedOption(bool enabled, const QString& caption);
    void chooseOption(int index);
    int chosenOption() const;

    // The variables that OK acts on, in workspace order: the current one with option 3, else
    // every variable, leaving out with option 2 those whose list item is not checked.
    std::vector<tdspvarPtr> chosenVariables() const;

    RadioGroup* RadioGroup1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // "Toate variabilele"
    QRadioButton* RadioButton2 = nullptr; // "Selectie din lista"
    QRadioButton* RadioButton3 = nullptr; // the clicked variable
    QListWidget* CheckListBox1 = nullptr;
    QPushButton* Button1 = nullptr; // Ok
    QPushButton* Button2 = nullptr; // Cancel

    // The list is enabled exactly while option 2 is chosen.
    void targetChanged();
    // OK: save (after asking for the file) or delete the chosen variables, then close.
    void carryOut();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Rebuilds the list from the workspace and sets the caption from the mode.
    void prepareForShow();
    // The list grows with the window; the buttons follow its bottom edge.
    void placeControls();
    bool keptByList(std::size_t index, const tdspvar& variable) const;

    MainWindow* mainForm_;
    int mode_ = 0;
    QString exportCaption_;
    std::function<bool(const std::vector<tdspvarPtr>&)> exporter_;
};
