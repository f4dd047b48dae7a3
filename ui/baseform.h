// TForm1: the main window, home of the workspace column, the menus and the status bar.
// It owns the workspace and creates the nine dialogs at start, in their fixed order; every
// dialog reaches the workspace and its sibling dialogs through it.
#pragma once

#include "core/workspace.h"

#include <QMainWindow>

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
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

private:
    tworkspace workspace_;
    QStringList windowNames_;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
    TForm8* form8_ = nullptr;
    TForm9* form9_ = nullptr;
    TForm10* form10_ = nullptr;
};
