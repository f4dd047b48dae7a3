// TForm1: the main window, home of the workspace column, the menus and the status bar.
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
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class tdspvarStrip;
class tfiledialogs;

// The program's one font, set on the application before any window is made.
void applyProgramFont();

class TForm1 : public QMainWindow, private workspaceListener {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 534;
    static constexpr int kClientHeight = 337;
    static constexpr int kStatusBarHeight = 19;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    tworkspace& workspace() { return workspace_; }
    // The five window names in the order that selects the window function.
    const QStringList& windowNameList() const { return windowNames_; }

    TForm2* form2() const { return form2_; }
    TForm3* form3() const { return form3_; }
    TForm4* form4() const { return form4_; }
    TForm5* form5() const { return form5_; }
    TForm6* form6() const { return form6_; }
    TForm7* form7() const { return form7_; }
    TForm8* form8() const { return form8_; }
    TForm9* form9() const { return form9_; }
    TForm10* form10() const { return form10_; }
    // The import, load and save file dialogs, with their replaceable asking function.
    tfiledialogs& fileDialogs() { return *fileDialogs_; }

    // The strip that shows a variable of the workspace, or nullptr.
    tdspvarStrip* stripOf(const tdspvar& variable) const;
    QScrollArea* scrollBox() const { return ScrollBox1; }
    QMenu* popupMenu() const { return PopupMenu1; }
    QMenu* variabilaMenu() const { return Variabila1; }

    // The status-bar hint handler: shows the long part of a hint (after the first bar), or
    // clears the bar for an empty one.
    void StatusBar1Hint(const QString& hint);

    // Commands of the main menu.
    void Save1Click();
    void Open1Click();
    void Import1Click();
    void Exit1Click();
    void generate(const QString& name, const QString& expression);
    void TransformataZinversa1Click();
    void Manualdeutilizare1Click();
    void About1Click();
    // Commands of the strip pop-up menu, on the current variable.
    void Vizualizeaza2Click();
    void Listeaza2Click();
    void processing(int type);
    void Sterge2Click();
    void Salveaza1Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // workspaceListener
    void variableCreated(const tdspvarPtr& variable, int index) override;
    void variableRemoved(const tdspvarPtr& variable, int index) override;
    void selectionToggled(const tdspvarPtr& variable) override;
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
    void stripPopup(tdspvarStrip* strip, const QPoint& globalPosition);

    tworkspace workspace_;
    QStringList windowNames_;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* stripColumn_ = nullptr;
    std::vector<tdspvarStrip*> strips_; // in workspace order
    QMenu* Variabila1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
    TForm8* form8_ = nullptr;
    TForm9* form9_ = nullptr;
    TForm10* form10_ = nullptr;
    std::unique_ptr<tfiledialogs> fileDialogs_;
};
