// TForm5: the processing dialog: every processing operation with its live preview.
#pragma once

#include <QDialog>

class TForm1;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
