// FileOpener: opens files that the user names without a file dialog (on the command line, by
// dropping them on the main window, from the recent files), each by its kind as the File menu's
// command for that kind reads it: *.var state files, *.dsp PC-DSP files, sound files and text
// columns. A batch is opened in order. What cannot be opened (a folder, a file of no known kind, a
// file a reader refuses) is said in the error box: in its own words for a single file, in one
// summary for several; a batch too large to be meant is refused whole. It creates variables only
// through the readers, so the main window can make each batch one undoable command.
#pragma once

#include "ui/filedialogs.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;
class SignalCommands;
class loadCallbacks;
class tworkspace;

// The kinds of file the program reads and writes, named as the recent files keep them.
enum class fileKind { state, pcDsp, sound, columns };

// The kind a file name's extension says (case ignored): .var, .dsp, .csv/.txt/.dat/.tsv, or one
// of the sound extensions the installed library reads; nothing for any other.
std::optional<fileKind> kindOfPath(const QString& path);
// The kind of file a file dialog asks for; nothing for the graph's picture.
std::optional<fileKind> kindOfDialog(fileDialogKind kind);
// Whether a dialog of that kind opens a file (rather than saving one).
bool dialogOpensFile(fileDialogKind kind);
QString fileKindName(fileKind kind);
std::optional<fileKind> fileKindNamed(const QString& name);

struct namedFile {
    QString path; // absolute
    fileKind kind;
};

class FileOpener {
    Q_DECLARE_TR_FUNCTIONS(FileOpener)
public:
    // More files than this in one batch are refused with one message, none opened.
    static constexpr int kMostFilesAtOnce = 100;

    struct Collaborators {
        tworkspace& workspace;
        loadCallbacks& fileCallbacks;   // names and the error box
        SignalCommands& signalCommands; // sound and columns, which remember their sample rates
    };
    explicit FileOpener(const Collaborators& with);

    // Reads one file as the menu command of its kind would, its errors going to `callbacks`.
    void open(const QString& path, fileKind kind, loadCallbacks& callbacks);
    // Opens every path in order; returns the files that were read without an error.
    std::vector<namedFile> openAll(const QStringList& paths);

private:
    tworkspace& workspace_;
    loadCallbacks& fileCallbacks_;
    SignalCommands& signalCommands_;
};
