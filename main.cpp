// Kelmo: a desktop laboratory for discrete-time signal processing.
#include "ui/baseform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kelmo: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    TForm1 mainWindow;
    mainWindow.show();
    return app.exec();
}
