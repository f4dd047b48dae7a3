// TForm2: the generation dialog: a formula in x, its live preview, and OK to create the variable.
#pragma once

#include <QDialog>

class TForm1;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1* mainForm);

    // Puts the preset name and expression into their fields (the main window's Ins and window
    // commands) before the dialog is shown with exec().
    void preset(const QString& name, const QString& expression);

private:
    TForm1* mainForm_;
};
