// TForm9: the graph window: one or two variables plotted, with a cursor readout.
#pragma once

#include <QDialog>

class TForm1;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(TForm1* mainForm);

private:
    TForm1* mainForm_;
};
