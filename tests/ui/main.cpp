// One QApplication for the whole GUI test program, on Qt's offscreen platform unless another
// platform is chosen explicitly, with the program's font as the program itself sets it, and with
// the program's own application object, which turns an exception that escapes a handler into the
// error box. What the program keeps in the user's settings goes to Qt's test folder instead.
#include "ui/application.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings the tests write go to a folder of their own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    KelmoApplication app(argc, argv);
    // The program's settings (the recent files) go to a folder of the test run, never the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    applyProgramFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
