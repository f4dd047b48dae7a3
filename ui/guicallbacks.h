// GuiCallbacks: what the file readers and the writer ask of the user, answered by the windows.
// A refused name goes to the name-correction dialog (Skip and Ignore All only when the reader
// offers them); an error goes to the application's error box over the dialog that is open, else
// over the main window, titled with the main window's caption, after which the command simply
// ends. The main window makes one for the whole run and hands it to whoever reads or writes files.
#pragma once

#include "io/loadcallbacks.h"

class NameCorrectionDialog;
class QWidget;

class GuiCallbacks : public loadCallbacks {
public:
    GuiCallbacks(NameCorrectionDialog& nameCorrection, QWidget& mainWindow)
        : nameCorrection_(nameCorrection), mainWindow_(mainWindow)
    {
    }

    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override;
    void showError(const std::string& message) override;

private:
    NameCorrectionDialog& nameCorrection_;
    QWidget& mainWindow_;
};
