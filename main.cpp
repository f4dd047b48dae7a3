// Kelmo: a desktop laboratory for discrete-time signal processing.
// The program makes its windows, main window first, and runs until the main window is closed or
// a signal (SIGTERM, SIGINT, SIGHUP) asks it to stop, which it treats like File > Exit.
#include "io/termination.h"
#include "ui/application.h"
#include "ui/mainwindow.h"

#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // Without a display the toolkit would abort with a message about platform plugins; say plainly
    // what is missing instead.
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kelmo: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    const int stopRequests = installTerminationHandlers();
    KelmoApplication app(argc, argv);
    applyProgramFont();
    MainWindow mainWindow;

    // The signal's byte arrives through the event loop, so the command in progress ends first.
    std::unique_ptr<QSocketNotifier> stopNotifier;
    if (stopRequests >= 0) {
        stopNotifier = std::make_unique<QSocketNotifier>(stopRequests, QSocketNotifier::Read);
        QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char byte = 0;
            while (::read(stopRequests, &byte, 1) == 1) {
            }
            stopNotifier->setEnabled(false);
            mainWindow.close();
            QCoreApplication::quit(); // also ends the loop of a modal dialog that is open
        });
    }

    mainWindow.show();
    return app.exec();
}
