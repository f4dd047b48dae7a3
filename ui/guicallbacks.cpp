#include "ui/guicallbacks.h"

#include "ui/namecorrection.h"
#include "ui/showntexts.h"

#include <QApplication>
#include <QMessageBox>

dialogAnswer GuiCallbacks::askName(const std::string& proposed, bool allowSkip, std::string& typedName)
{
    const dialogAnswer answer = nameCorrection_.ask(QString::fromStdString(proposed), allowSkip);
    typedName = nameCorrection_.name().toStdString();
    return answer;
}

void GuiCallbacks::showError(const std::string& message)
{
    // Over the dialog that is open (the selection dialog while saving), else over the main window.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox::critical(over ? over : &mainWindow_, mainWindow_.windowTitle(),
                          shownText(message));
}
