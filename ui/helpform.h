// TForm7: the help viewer with its seven pages.
#pragma once

#include <QDialog>

class TForm1;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
