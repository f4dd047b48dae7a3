// SignalCommands: the File menu's commands for signals from and to other programs: importing a
// sound file (one variable per channel) or a table of text columns (one variable per column),
// and exporting the variables chosen in the selection dialog as a CSV table or a sound file (WAV
// or FLAC). It remembers the sample rate of each imported sound for the export, makes the sound
// export dialog and the column preview, and keeps when to show the preview in the user's
// settings. Every file error reaches the user through the file callbacks (the application's error
// box, the name-correction dialog for a name clash), what an import left out through the status
// bar; the main window owns it and what it uses.
#pragma once

#include "io/signalimport.h"
#include "io/soundfile.h"
#include "io/loadcallbacks.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class ColumnPreviewDialog;
class FileDialogs;
class QWidget;
class SelectionDialog;
class SoundExportDialog;
class tworkspace;
enum class columnPreviewPolicy;

// When the column import shows its preview: the choice kept in the user's settings, and keeping it.
columnPreviewPolicy storedColumnPreviewPolicy();
void storeColumnPreviewPolicy(columnPreviewPolicy policy);

// The question asked when a file holds more samples than a variable can: true keeps the first
// `kept`. The seconds are shown when the file has a sample rate.
bool askKeepFirstPart(QWidget* parent, std::int64_t available, std::int64_t kept, int sampleRate);

// The callbacks of an import: those of the other file commands and the question above, asked
// over `parent`.
class GuiImportCallbacks : public importCallbacks {
public:
    GuiImportCallbacks(loadCallbacks& fileCallbacks, QWidget& parent) : file_(fileCallbacks), parent_(parent) {}
    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override;
    void showError(const std::string& message) override;
    bool keepFirstPart(std::int64_t available, std::int64_t kept, int sampleRate) override;

private:
    loadCallbacks& file_;
    QWidget& parent_;
};

class SignalCommands {
    Q_DECLARE_TR_FUNCTIONS(SignalCommands)
public:
    struct Collaborators {
        tworkspace& workspace;
        FileDialogs& fileDialogs;
        SelectionDialog& selection;   // in its export mode
        loadCallbacks& fileCallbacks; // names and errors
        QWidget& mainWindow;          // over which its questions come; a QMainWindow's status bar
                                      // shows the import's notes
    };
    explicit SignalCommands(const Collaborators& with);
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
    // The same for a file already chosen (the command line, a drop, the recent files); errors go
    // to `callbacks` when given, else to the file callbacks.
    void importSoundFrom(const QString& path, loadCallbacks* callbacks = nullptr);
    // `previewAnyway` shows the column preview whatever the stored choice says.
    void importColumnsFrom(const QString& path, loadCallbacks* callbacks = nullptr, bool previewAnyway = false);
    void exportColumns();
    void exportSound();

private:
    SoundExportDialog* soundOptions(); // made on first use
    ColumnPreviewDialog* columnPreview(); // made on first use
    void showNote(const QString& note);
    // `caption` gives the selection dialog's caption in the language of the moment.
    void exportChosen(std::function<QString()> caption, std::function<bool(const std::vector<tdspvarPtr>&)> write);
    bool writeColumns(const std::vector<tdspvarPtr>& variables);
    bool writeSound(const std::vector<tdspvarPtr>& variables);

    tworkspace& workspace_;
    FileDialogs& fileDialogs_;
    SelectionDialog& selection_;
    loadCallbacks& fileCallbacks_;
    QWidget& mainWindow_;
    sampleRateBook rates_;
    QPointer<SoundExportDialog> soundOptions_;
    QPointer<ColumnPreviewDialog> columnPreview_;
};
