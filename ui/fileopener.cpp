#include "ui/fileopener.h"

#include "io/dspimport.h"
#include "io/soundprobe.h"
#include "io/statefile.h"
#include "core/workspace.h"
#include "ui/signalcommands.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <string>

namespace {

struct kindName {
    fileKind kind;
    const char* name;
};
constexpr std::array<kindName, 4> kKindNames{{
    {fileKind::state, "var"}, {fileKind::pcDsp, "dsp"}, {fileKind::sound, "sound"}, {fileKind::columns, "columns"}}};

// The most problems listed one by one in a summary; the rest are counted.
constexpr int kListedProblems = 10;

// Passes names on to the dialogs, and keeps the errors of a batch to be said together.
class batchCallbacks : public loadCallbacks {
public:
    explicit batchCallbacks(loadCallbacks& real) : real_(real) {}
    dialogAnswer askName(const std::string& proposed, bool allowSkip, std::string& typedName) override
    {
        return real_.askName(proposed, allowSkip, typedName);
    }
    void showError(const std::string& message) override { errors.push_back(QString::fromStdString(message)); }

    QStringList errors;

private:
    loadCallbacks& real_;
};

// The message as it stands when it names the file, else with the file's name on the next line.
QString namingTheFile(const QString& message, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return message.contains(name) ? message : message + QLatin1Char('\n') + path;
}

} // namespace

std::optional<fileKind> kindOfPath(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("var"))
        return fileKind::state;
    if (extension == QLatin1String("dsp"))
        return fileKind::pcDsp;
    for (const char* columns : {"csv", "txt", "dat", "tsv"})
        if (extension == QLatin1String(columns))
            return fileKind::columns;
    if (extension.isEmpty())
        return std::nullopt;
    const std::vector<std::string> sounds = soundFileExtensions();
    if (std::find(sounds.begin(), sounds.end(), extension.toStdString()) != sounds.end())
        return fileKind::sound;
    return std::nullopt;
}

std::optional<fileKind> kindOfDialog(fileDialogKind kind)
{
    switch (kind) {
    case fileDialogKind::importDsp:
        return fileKind::pcDsp;
    case fileDialogKind::loadState:
    case fileDialogKind::saveState:
        return fileKind::state;
    case fileDialogKind::importSound:
    case fileDialogKind::exportSound:
    case fileDialogKind::exportFlac:
        return fileKind::sound;
    case fileDialogKind::importColumns:
    case fileDialogKind::exportColumns:
        return fileKind::columns;
    case fileDialogKind::savePicture:
        break;
    }
    return std::nullopt;
}

bool dialogOpensFile(fileDialogKind kind)
{
    return kind == fileDialogKind::importDsp || kind == fileDialogKind::loadState ||
           kind == fileDialogKind::importSound || kind == fileDialogKind::importColumns;
}

QString fileKindName(fileKind kind)
{
    for (const kindName& k : kKindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return {};
}

std::optional<fileKind> fileKindNamed(const QString& name)
{
    for (const kindName& k : kKindNames)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

FileOpener::FileOpener(const Collaborators& with)
    : workspace_(with.workspace), fileCallbacks_(with.fileCallbacks), signalCommands_(with.signalCommands)
{
}

void FileOpener::open(const QString& path, fileKind kind, loadCallbacks& callbacks)
{
    const std::string local = QFile::encodeName(path).toStdString();
    switch (kind) {
    case fileKind::state:
        loadStateFile(local, workspace_, callbacks);
        break;
    case fileKind::pcDsp:
        importDspFile(local, workspace_, callbacks);
        break;
    case fileKind::sound:
        signalCommands_.importSoundFrom(path, &callbacks);
        break;
    case fileKind::columns:
        signalCommands_.importColumnsFrom(path, &callbacks);
        break;
    }
}

std::vector<namedFile> FileOpener::openAll(const QStringList& paths)
{
    std::vector<namedFile> opened;
    if (paths.size() > kMostFilesAtOnce) {
        fileCallbacks_.showError(tr("Prea multe fisiere deodata (%1); se pot deschide cel mult %2.")
                                     .arg(paths.size())
                                     .arg(kMostFilesAtOnce)
                                     .toStdString());
        return opened;
    }
    batchCallbacks batch(fileCallbacks_);
    for (const QString& given : paths) {
        const QFileInfo info(given);
        const QString path = info.absoluteFilePath();
        if (info.isDir()) {
            batch.errors << path + QLatin1Char('\n') + tr("Este un dosar, nu un fisier.");
            continue;
        }
        const std::optional<fileKind> kind = kindOfPath(path);
        if (!kind) {
            batch.errors << path + QLatin1Char('\n') +
                                tr("Tip de fisier necunoscut (se deschid fisiere .var, .dsp, "
                                   "de sunet si tabele .csv, .txt, .dat).");
            continue;
        }
        const qsizetype errorsBefore = batch.errors.size();
        const int countBefore = workspace_.variableCount();
        open(path, *kind, batch);
        // Read, even when it said something (a sound file cut short still gives its samples).
        if (batch.errors.size() == errorsBefore || workspace_.variableCount() > countBefore)
            opened.push_back({path, *kind});
        if (batch.errors.size() > errorsBefore)
            batch.errors.last() = namingTheFile(batch.errors.last(), path);
    }
    if (batch.errors.size() == 1) {
        fileCallbacks_.showError(batch.errors.front().toStdString());
    } else if (batch.errors.size() > 1) {
        QString summary = tr("%1 fisiere nu au putut fi deschise :").arg(batch.errors.size());
        for (qsizetype i = 0; i < batch.errors.size() && i < kListedProblems; ++i)
            summary += QStringLiteral("\n\n") + batch.errors[i];
        if (batch.errors.size() > kListedProblems)
            summary += QStringLiteral("\n\n") + tr("... si inca %1.").arg(batch.errors.size() - kListedProblems);
        fileCallbacks_.showError(summary.toStdString());
    }
    return opened;
}
