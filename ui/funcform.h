// TForm2: the generation dialog: a formula in x, its live preview, and OK to create the variable.
#pragma once

#include <QDialog>

class TForm1;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
