// TForm6: the About box. A fixed window with the program's name and its credit lines; it has no
// behaviour beyond being shown and closed.
#pragma once

#include <QDialog>

class TForm1;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
