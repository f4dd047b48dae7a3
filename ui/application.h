// KelmoApplication: the program's QApplication. An exception that a command or an event handler
// lets through (running out of memory in a large operation, above all) ends in the application's
// error box instead of ending the program: the command stops there and the program goes on with
// its workspace. Commands and handlers that change variables make their allocations before they
// change anything, so a stopped command leaves every variable as it was.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>

class KelmoApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

// The text of the error box for an exception: "Not enough memory" when memory ran out, else
// what the exception says.
QString commandErrorText(const std::exception* error);

// Shows that text in the application's error box over the window that is open.
void showCommandError(const std::exception* error);

// Runs `command`; an exception it throws is shown in the error box and goes no further. Returns
// whether the command ended normally.
bool runGuarded(const std::function<void()>& command);
