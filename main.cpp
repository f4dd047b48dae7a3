// Kelmo: a desktop laboratory for discrete-time signal processing.
// The program reads its command line (files to open, --help, --version), makes its windows, main
// window first, opens the files named, and runs until the main window is closed or a signal
// (SIGTERM, SIGINT, SIGHUP) asks it to stop, which closes it without asking about unsaved changes.
#include "io/termination.h"
#include "ui/application.h"
#include "ui/commandline.h"
#include "ui/language.h"
#include "ui/mainwindow.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <unistd.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help and version need no display.
    if (const commandLine early = readCommandLine(arguments);
        early.action == startAction::help || early.action == startAction::version) {
        std::fputs(early.text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    // Without a display the toolkit would abort with a message about platform plugins; say plainly
    // what is missing instead.
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "kelmo: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    const int stopRequests = installTerminationHandlers();
    KelmoApplication app(argc, argv);
    const commandLine line = readCommandLine(QCoreApplication::arguments()); // without Qt's options
    if (line.action == startAction::refuse) {
        std::fputs(line.text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    applyProgramFont();
    // The language before the first window, so that every window starts in it.
    LanguageSwitch languages;
    languages.install(startLanguage());
    mainWindowSetup setup;
    setup.languages = &languages;
    MainWindow mainWindow(setup);

    // The signal's byte arrives through the event loop, so the command in progress ends first.
    std::unique_ptr<QSocketNotifier> stopNotifier;
    if (stopRequests >= 0) {
        stopNotifier = std::make_unique<QSocketNotifier>(stopRequests, QSocketNotifier::Read);
        QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char byte = 0;
            while (::read(stopRequests, &byte, 1) == 1) {
            }
            stopNotifier->setEnabled(false);
            mainWindow.closeWithoutAsking();
            QCoreApplication::quit(); // also ends the loop of a modal dialog that is open
        });
    }

    mainWindow.show();
    // Once the window is up, so that a file's message comes over it.
    if (!line.files.isEmpty())
        QTimer::singleShot(0, &mainWindow, [&] { mainWindow.openFiles(line.files); });
    return app.exec();
}
