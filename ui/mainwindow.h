// MainWindow: the main window, home of the workspace column, the menus and the status bar.
// It owns the workspace and creates the nine dialogs at start, in their fixed order; every
// dialog reaches the workspace and its sibling dialogs through it. It mirrors the workspace as a
// column of strips and dispatches each menu command to the dialog that carries it out; every
// dialog is modal, so the workspace changes only through the dialog that is open.
#pragma once

#include "core/workspace.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QScrollArea;
class GenerateDialog;
class ValueTableDialog;
class NameCorrectionDialog;
class ProcessingDialog;
class AboutDialog;
class HelpWindow;
class SelectionDialog;
class GraphWindow;
class InverseZWindow;
class VariableStrip;
class FileDialogs;
class SignalCommands;

// The program's one font, set on the application before any window is made.
void applyProgramFont();

class MainWindow : public QMainWindow, private workspaceListener {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 534;
    static constexpr int kClientHeight = 337;
    static constexpr int kStatusBarHeight = 19;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    tworkspace& workspace() { return workspace_; }
    // The five window names in the order that selects the window function.
    const QStringList& windowNameList() const { return windowNames_; }

    GenerateDialog* form2() const { return form2_; }
    ValueTableDialog* form3() const { return form3_; }
    NameCorrectionDialog* form4() const { return form4_; }
    ProcessingDialog* form5() const { return form5_; }
    AboutDialog* form6() const { return form6_; }
    HelpWindow* form7() const { return form7_; }
    SelectionDialog* form8() const { return form8_; }
    GraphWindow* form9() const { return form9_; }
    InverseZWindow* form10() const { return form10_; }
    // The import, load and save file dialogs, with their replaceable asking function.
    FileDialogs& fileDialogs() { return *fileDialogs_; }
    // The File menu's commands for sound files and text columns.
    SignalCommands& signalCommands() { return *signalCommands_; }

    // The strip that shows a variable of the workspace, or nullptr.
    VariableStrip* stripOf(const tdspvar& variable) const;
    QScrollArea* scrollBox() const { return ScrollBox1; }
    QMenu* popupMenu() const { return PopupMenu1; }
    QMenu* variabilaMenu() const { return Variabila1; }

    // The status-bar hint handler: shows the long part of a hint (after the first bar), or
    // clears the bar for an empty one.
    void showHint(const QString& hint);

    // Commands of the main menu.
    void saveSelection();
    void loadState();
    void importDsp();
    void exitProgram();
    void generate(const QString& name, const QString& expression);
    void showInverseZ();
    void showManual();
    void showAbout();
    // Commands of the strip pop-up menu, on the current variable.
    void showGraph();
    void showValues();
    void processing(int type);
    void deleteChosen();
    void saveChosen();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // workspaceListener
    void variableCreated(const tdspvarPtr& variable, int index) override;
    void variableRemoved(const tdspvarPtr& variable, int index) override;
    void selectionToggled(const tdspvarPtr& variable) override;
    void samplesChanged(const tdspvarPtr& variable) override;
    void emptinessChanged(bool empty) override;

    void buildMainMenu();
    void buildPopupMenu();
    QAction* addItem(QMenu* menu, const char* objectName, const QString& caption,
                     const QString& hint, std::function<void()> command);
    // "First variable, then X": with at least one variable, the oldest becomes current and
    // pop-up command X runs on it; with none nothing happens.
    void firstVariableThen(const std::function<void()>& command);
    void selectionWithChoice(int mode);
    void layoutStrips();
    void stripPopup(VariableStrip* strip, const QPoint& globalPosition);

    tworkspace workspace_;
    QStringList windowNames_;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* stripColumn_ = nullptr;
    std::vector<VariableStrip*> strips_; // in workspace order
    QMenu* Variabila1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    GenerateDialog* form2_ = nullptr;
    ValueTableDialog* form3_ = nullptr;
    NameCorrectionDialog* form4_ = nullptr;
    ProcessingDialog* form5_ = nullptr;
    AboutDialog* form6_ = nullptr;
    HelpWindow* form7_ = nullptr;
    SelectionDialog* form8_ = nullptr;
    GraphWindow* form9_ = nullptr;
    InverseZWindow* form10_ = nullptr;
    std::unique_ptr<FileDialogs> fileDialogs_;
    std::unique_ptr<SignalCommands> signalCommands_;
};
