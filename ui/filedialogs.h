// FileDialogs: the main window's file dialogs, import (*.dsp), load (*.var) and save (*.var),
// and those of sound files, text columns and pictures. Each is Qt's file dialog, made on first use
// and kept for the whole run, so it remembers its folder and last file name like every other
// dialog of the program. Where the desktop offers its own file dialog, Qt shows that one unless
// the owner asks for Qt's built-in widget dialog everywhere (the tests drive its widgets). The
// owner may also give an answering function that stands in front of the dialogs, so that tests
// can answer without a modal file dialog. A child of the window it is made for.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QCompleter;
class QWidget;

enum class fileDialogKind {
    importDsp = 0,
    loadState = 1,
    saveState = 2,
    // Sound files and text columns, in and out, and the graph as a picture.
    importSound = 3,
    importColumns = 4,
    exportColumns = 5,
    exportSound = 6, // WAV
    savePicture = 7,
    exportFlac = 8,
};
inline constexpr std::size_t kFileDialogKinds = 9;

// The sound import's filter: every extension the installed sound library reads.
QString soundImportFilter();

// A filter written as "label|pattern|label|pattern..." turned into the file dialog's name
// filters, "label (pattern)". The pattern "*.*" stands for every file, with or without a dot.
QStringList nameFiltersFrom(const QString& barFilter);

// True when a file can't be overwritten: the user may not write it, or it carries no write
// permission at all (which the administrator could otherwise override).
bool isReadOnlyFile(const QString& path);

// A file dialog that, when `refuseReadOnly` is set, will not return an existing read-only file:
// it says so in a message box and stays open for another name. The built-in dialog's list of
// completions for the name field lives only while the dialog is open.
class FileDialog : public QFileDialog {
    Q_OBJECT
public:
    using QFileDialog::QFileDialog;
    bool refuseReadOnly = false;

    // The message for a read-only file chosen for saving, over this dialog.
    void refuseReadOnlyFile(const QString& path);
    // The name filters as `filters` gives them, now and again when the language changes.
    void setNameFilterTexts(std::function<QStringList()> filters);

public slots:
    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::function<QStringList()> nameFilterTexts_;
    QPointer<QCompleter> completer_; // the name field's, taken off it while the dialog is closed
};

// Answers the question of a file dialog of that kind instead of the dialog, or gives nothing to
// let the dialog ask.
using fileAnswer = std::function<std::optional<QString>(fileDialogKind)>;

class FileDialogs : public QObject {
    Q_OBJECT
public:
    // With `builtInOnly` every dialog is Qt's built-in one, even where the desktop has its own;
    // `answer`, when set, is asked before any dialog is shown.
    explicit FileDialogs(QWidget* parent, bool builtInOnly = false, fileAnswer answer = {});

    // Asks for a file through the dialog of `kind` (unless the answering function answers), shown
    // over the dialog that is open, if any. Returns the chosen path, or an empty text when the
    // user cancelled.
    QString ask(fileDialogKind kind);

    // The real dialog of `kind`, configured on first use.
    FileDialog* dialog(fileDialogKind kind);

signals:
    // A file was chosen (by the dialog or the answering function) for a command of `kind`.
    void fileChosen(fileDialogKind kind, const QString& path);

private:
    QWidget* parent_;
    const bool builtInOnly_;
    const fileAnswer answer_;
    std::array<QPointer<FileDialog>, kFileDialogKinds> dialogs_{};
};
