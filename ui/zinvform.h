// TForm10: the inverse Z transform window: the series of a ratio of polynomials.
#pragma once

#include <QDialog>

class TForm1;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
