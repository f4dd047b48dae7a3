// GuiCallbacks: what the file readers and the writer ask of the user, answered by the windows.
// A refused name goes to the name-correction dialog (Skip and Ignore All only when the reader
// offers them, and hidden again once it has answered); an error goes to the application's error
// box, titled with the main window's caption, after which the command simply ends. It assumes the
// main window outlives it, which holds for a callback made for one command.
#pragma once

#include "io/loadcallbacks.h"

class MainWindow;

class GuiCallbacks : public loadCallbacks {
public:
    explicit GuiCallbacks(MainWindow& mainForm) : mainForm_(mainForm) {}

    int askName(const std::string& proposed, bool allowSkip, std::string& typedName) override;
    void showError(const std::string& message) override;

private:
    MainWindow& mainForm_;
};
