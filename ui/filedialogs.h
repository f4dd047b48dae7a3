// FileDialogs: the main window's file dialogs, import (*.dsp), load (*.var) and save (*.var),
// and those of sound files, text columns and pictures. Each is Qt's file dialog, made on first use
// and kept for the whole run, so it remembers its folder and last file name like every other
// dialog of the program. Where the desktop offers its own file dialog, Qt shows that one unless
// the owner asks for Qt's built-in widget dialog everywhere (the tests drive its widgets). A
// replaceable asking function stands in front of them, so tests can answer without a modal file
// dialog.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

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
    exportSound = 6,
    savePicture = 7,
};
inline constexpr std::size_t kFileDialogKinds = 8;

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

public slots:
    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QCompleter> completer_; // the name field's, taken off it while the dialog is closed
};

class FileDialogs {
public:
    // With `builtInOnly` every dialog is Qt's built-in one, even where the desktop has its own.
    explicit FileDialogs(QWidget* parent, bool builtInOnly = false);
    FileDialogs(const FileDialogs&) = delete;
    FileDialogs& operator=(const FileDialogs&) = delete;

    // Asks for a file through the dialog of `kind` (or the replacement, when one is set), shown
    // over the dialog that is open, if any. Returns the chosen path, or an empty text when the
    // user cancelled.
    QString ask(fileDialogKind kind);

    // When set, ask() calls this instead of showing a dialog.
    std::function<QString(fileDialogKind)> replacement;

    // The real dialog of `kind`, configured on first use.
    FileDialog* dialog(fileDialogKind kind);

private:
    QWidget* parent_;
    const bool builtInOnly_;
    std::array<QPointer<FileDialog>, kFileDialogKinds> dialogs_{};
};
