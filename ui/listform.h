// TForm3: the value table: the first 128 samples of a variable as editable numbers.
#pragma once

#include <QDialog>

class TForm1;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
