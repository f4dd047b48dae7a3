// AboutDialog: the About box. A fixed window with the program's name and its credit lines; it has no
// behaviour beyond being shown and closed.
#pragma once

#include <QDialog>

class MainWindow;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(MainWindow* mainForm);

private:
    MainWindow* mainForm_;
};
