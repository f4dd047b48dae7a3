// TForm8: the selection dialog that saves or deletes all, the checked or the clicked variables.
#pragma once

#include <QDialog>

class TForm1;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
