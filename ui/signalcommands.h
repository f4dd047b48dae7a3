// SignalCommands: the File menu's commands for signals from and to other programs: importing a
// sound file (one variable per channel) or a table of text columns (one variable per column),
// and exporting the variables chosen in the selection dialog as a CSV table or a WAV file. It
// remembers the sample rate of each imported sound for the export, and owns the WAV options
// dialog. Every file error reaches the user through the application's error box, a name clash
// through the name-correction dialog; the main window owns it and outlives it.
#pragma once

#include "io/signalimport.h"
#include "io/soundfile.h"
#include "ui/guicallbacks.h"

#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class MainWindow;
class QWidget;
class WavOptionsDialog;

// The question asked when a file holds more samples than a variable can: true keeps the first
// `kept`. The seconds are shown when the file has a sample rate.
bool askKeepFirstPart(QWidget* parent, std::int64_t available, std::int64_t kept, int sampleRate);

// The callbacks of an import: those of the other file commands and the question above.
class GuiImportCallbacks : public importCallbacks {
public:
    explicit GuiImportCallbacks(MainWindow& mainForm);
    int askName(const std::string& proposed, bool allowSkip, std::string& typedName) override;
    void showError(const std::string& message) override;
    bool keepFirstPart(std::int64_t available, std::int64_t kept, int sampleRate) override;

private:
    MainWindow& mainForm_;
    GuiCallbacks gui_;
};

class SignalCommands {
public:
    explicit SignalCommands(MainWindow& mainForm);
    SignalCommands(const SignalCommands&) = delete;
    SignalCommands& operator=(const SignalCommands&) = delete;

    struct menuItem {
        const char* objectName;
        const char* caption;
        const char* hint;
        void (SignalCommands::*command)();
    };
    // The File menu items, in their order, after the program's own.
    static const std::array<menuItem, 4>& menuItems();

    void importSound();
    void importColumns();
    void exportColumns();
    void exportSound();

    sampleRateBook& sampleRates() { return rates_; }
    WavOptionsDialog* wavOptions();

private:
    void exportChosen(const QString& caption, std::function<bool(const std::vector<tdspvarPtr>&)> write);
    bool writeColumns(const std::vector<tdspvarPtr>& variables);
    bool writeSound(const std::vector<tdspvarPtr>& variables);

    MainWindow& mainForm_;
    sampleRateBook rates_;
    QPointer<WavOptionsDialog> wavOptions_;
};
