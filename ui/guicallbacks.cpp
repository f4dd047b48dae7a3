#include "ui/guicallbacks.h"

#include "ui/mainwindow.h"
#include "ui/namecorrection.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int GuiCallbacks::askName(const std::string& proposed, bool allowSkip, std::string& typedName)
{
    NameCorrectionDialog* dialog = mainForm_.form4();
    const int answer = dialog->ask(QString::fromStdString(proposed), allowSkip);
    typedName = dialog->name().toStdString();
    for (QPushButton* extra : {dialog->Button3, dialog->Button4}) {
        extra->setVisible(false);
        extra->setEnabled(false);
    }
    return answer;
}

void GuiCallbacks::showError(const std::string& message)
{
    // Over the dialog that is open (the selection dialog while saving), else over the main window.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox::critical(over ? over : &mainForm_, mainForm_.windowTitle(),
                          QString::fromStdString(message));
}
