// Kelmo: a desktop laboratory for discrete-time signal processing.
// The program makes its windows, main window first, and runs until the main window is closed.
#include "ui/mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    // Without a display the toolkit would abort with a message about platform plugins; say plainly
    // what is missing instead.
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kelmo: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    applyProgramFont();
    MainWindow mainWindow;
    mainWindow.show();
    return app.exec();
}
