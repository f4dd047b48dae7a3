// TForm4: the name-correction dialog that every creator of a variable uses when a name is refused.
#pragma once

#include <QDialog>

class TForm1;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
