#include "ui/filedialogs.h"

#include "io/soundprobe.h"

#include <QApplication>
#include <QCompleter>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include <iterator>

namespace {

struct dialogSetup {
    const char* label;    // of the files the dialog is for
    const char* patterns; // theirs, ';' between two (empty: the sound library's)
    const char* everyFileLabel;
    const char* defaultExtension;
    const char* defaultFileName; // empty: none
    bool save;
};

constexpr const char* kAllFiles = QT_TRANSLATE_NOOP("FileDialogs", "All files");

// Indexed by fileDialogKind.
const dialogSetup kSetups[] = {
    {QT_TRANSLATE_NOOP("FileDialogs", "PC-DSP files"), "*.dsp", kAllFiles, ".dsp", "", false},
    {QT_TRANSLATE_NOOP("FileDialogs", "Kelmo files"), "*.var", kAllFiles, ".dsp", "", false},
    {QT_TRANSLATE_NOOP("FileDialogs", "Kelmo files"), "*.var", QT_TRANSLATE_NOOP("FileDialogs", "All Files"), "var",
     "status.var", true},
    {QT_TRANSLATE_NOOP("FileDialogs", "Sound files"), "", kAllFiles, "wav", "", false},
    {QT_TRANSLATE_NOOP("FileDialogs", "Text columns"), "*.csv;*.txt;*.tsv;*.dat", kAllFiles, "csv", "", false},
    {QT_TRANSLATE_NOOP("FileDialogs", "CSV files"), "*.csv", kAllFiles, "csv", "variabile.csv", true},
    {QT_TRANSLATE_NOOP("FileDialogs", "WAV files"), "*.wav", kAllFiles, "wav", "sunet.wav", true},
    {QT_TRANSLATE_NOOP("FileDialogs", "PNG pictures"), "*.png", kAllFiles, "png", "grafic.png", true},
    {QT_TRANSLATE_NOOP("FileDialogs", "FLAC files"), "*.flac", kAllFiles, "flac", "sunet.flac", true},
};

// The dialog's filter as "label|pattern|label|pattern", its labels in the language of the moment.
QString barFilter(const dialogSetup& setup)
{
    QString patterns = QString::fromLatin1(setup.patterns);
    if (patterns.isEmpty()) {
        QStringList extensions;
        for (const std::string& extension : soundFileExtensions())
            extensions << QStringLiteral("*.") + QString::fromStdString(extension);
        patterns = extensions.join(QLatin1Char(';'));
    }
    return FileDialogs::tr(setup.label) + QLatin1Char('|') + patterns + QLatin1Char('|') +
           FileDialogs::tr(setup.everyFileLabel) + QStringLiteral("|*.*");
}
static_assert(std::size(kSetups) == kFileDialogKinds);

} // namespace

QString soundImportFilter()
{
    return barFilter(kSetups[static_cast<std::size_t>(fileDialogKind::importSound)]);
}

QStringList nameFiltersFrom(const QString& barFilter)
{
    const QStringList parts = barFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

bool isReadOnlyFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWrite);
}

void FileDialog::refuseReadOnlyFile(const QString& path)
{
    QMessageBox::warning(this, windowTitle(),
                         QFileInfo(path).fileName() + QLatin1Char('\n') +
                             tr("This file is read-only.\n"
                                "Try again with a different file name."));
}

void FileDialog::accept()
{
    if (refuseReadOnly) {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && isReadOnlyFile(files.first())) {
            refuseReadOnlyFile(files.first());
            return;
        }
    }
    QFileDialog::accept();
}

void FileDialog::done(int result)
{
    // Qt shows the name field's completions again whenever the folder's contents arrive, also
    // after the dialog has closed, where the list would cover the main window and take the next
    // key. Off the field, the list is hidden and nothing brings it back.
    if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); field && field->completer()) {
        completer_ = field->completer();
        field->setCompleter(nullptr);
    }
    QFileDialog::done(result);
}

void FileDialog::setNameFilterTexts(std::function<QStringList()> filters)
{
    nameFilterTexts_ = std::move(filters);
    setNameFilters(nameFilterTexts_());
}

void FileDialog::changeEvent(QEvent* event)
{
    QFileDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && nameFilterTexts_) {
        const qsizetype chosen = nameFilters().indexOf(selectedNameFilter());
        setNameFilters(nameFilterTexts_());
        if (chosen > 0)
            selectNameFilter(nameFilters().value(chosen));
    }
}

void FileDialog::showEvent(QShowEvent* event)
{
    if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); field && completer_)
        field->setCompleter(completer_);
    QFileDialog::showEvent(event);
}

FileDialogs::FileDialogs(QWidget* parent, bool builtInOnly, fileAnswer answer)
    : QObject(parent), parent_(parent), builtInOnly_(builtInOnly), answer_(std::move(answer))
{
}

FileDialog* FileDialogs::dialog(fileDialogKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    if (FileDialog* existing = dialogs_[index])
        return existing;
    const dialogSetup& setup = kSetups[index];
    auto* d = new FileDialog(parent_);
    d->setObjectName(QStringList{QStringLiteral("ImportDialog"), QStringLiteral("OpenDialog"),
                                 QStringLiteral("SaveDialog"), QStringLiteral("SoundImportDialog"),
                                 QStringLiteral("ColumnsImportDialog"), QStringLiteral("ColumnsExportDialog"),
                                 QStringLiteral("SoundExportDialog"), QStringLiteral("PictureSaveDialog"),
                                 QStringLiteral("FlacExportDialog")}[static_cast<qsizetype>(index)]);
    if (builtInOnly_)
        d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::HideNameFilterDetails);
    d->setNameFilterTexts([&setup] { return nameFiltersFrom(barFilter(setup)); });
    d->setDefaultSuffix(QString::fromLatin1(setup.defaultExtension));
    if (setup.save) {
        d->setAcceptMode(QFileDialog::AcceptSave);
        d->setFileMode(QFileDialog::AnyFile); // asks before replacing an existing file
        d->refuseReadOnly = true;
    } else {
        d->setAcceptMode(QFileDialog::AcceptOpen);
        d->setFileMode(QFileDialog::ExistingFile); // folder and file must exist
    }
    if (*setup.defaultFileName)
        d->selectFile(QString::fromLatin1(setup.defaultFileName));
    dialogs_[index] = d;
    return d;
}

QString FileDialogs::ask(fileDialogKind kind)
{
    if (answer_)
        if (const std::optional<QString> answered = answer_(kind)) {
            if (!answered->isEmpty())
                emit fileChosen(kind, *answered);
            return *answered;
        }
    FileDialog* d = dialog(kind);
    // Over the selection dialog while saving, so the window manager keeps it on top of that.
    QWidget* over = QApplication::activeModalWidget();
    if (!over)
        over = parent_;
    if (d->parentWidget() != over)
        d->setParent(over, d->windowFlags());
    for (;;) {
        if (d->exec() != QDialog::Accepted)
            return {};
        const QString file = d->selectedFiles().value(0);
        // The built-in dialog refuses a read-only file before it closes; the desktop's own dialog
        // has closed by then, so the refusal comes here and the dialog opens again.
        if (!d->refuseReadOnly || !isReadOnlyFile(file)) {
            emit fileChosen(kind, file);
            return file;
        }
        d->refuseReadOnlyFile(file);
    }
}
