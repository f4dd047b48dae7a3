#include "ui/guicallbacks.h"

#include "ui/namecorrection.h"

#include <QApplication>
#include <QMessageBox>

int GuiCallbacks::askName(const std::string& proposed, bool allowSkip, std::string& typedName)
{
    const int answer = nameCorrection_.ask(QString::fromStdString(proposed), allowSkip);
    typedName = nameCorrection_.name().toStdString();
    return answer;
}

void GuiCallbacks::showError(const std::string& message)
{
    // Over the dialog that is open (the selection dialog while saving), else over the main window.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox::critical(over ? over : &mainWindow_, mainWindow_.windowTitle(),
                          QString::fromStdString(message));
}
