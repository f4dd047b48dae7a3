#include "ui/signalcommands.h"

#include "core/numformat.h"
#include "io/csvfile.h"
#include "io/fileaccess.h"
#include "ui/columnpreviewdialog.h"
#include "ui/filedialogs.h"
#include "ui/localenumber.h"
#include "ui/selectiondialog.h"
#include "ui/showntexts.h"
#include "ui/soundexportdialog.h"
#include "ui/usersettings.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString samplesText(std::int64_t count, int sampleRate)
{
    QString text = SignalCommands::tr("%1 de esantioane").arg(count);
    if (sampleRate > 0)
        text += QStringLiteral(" (") +
                QString::fromStdString(formatGeneral(static_cast<extended>(count) / sampleRate, 5,
                                                     localeDecimalSeparator())) +
                QStringLiteral(" s)");
    return text;
}

const QString kPreviewPolicyKey = QStringLiteral("import/columnPreview");

} // namespace

columnPreviewPolicy storedColumnPreviewPolicy()
{
    const int stored = userSettings().value(kPreviewPolicyKey, 0).toInt();
    return stored == static_cast<int>(columnPreviewPolicy::always) ? columnPreviewPolicy::always
           : stored == static_cast<int>(columnPreviewPolicy::never) ? columnPreviewPolicy::never
                                                                     : columnPreviewPolicy::whenUncertain;
}

void storeColumnPreviewPolicy(columnPreviewPolicy policy)
{
    userSettings().setValue(kPreviewPolicyKey, static_cast<int>(policy));
}

bool askKeepFirstPart(QWidget* parent, std::int64_t available, std::int64_t kept, int sampleRate)
{
    QMessageBox box(QMessageBox::Question, parent ? parent->window()->windowTitle() : QString(),
                    SignalCommands::tr("Fisierul are %1, mai multe decat poate avea o variabila.\n"
                                       "Se incarca numai primele %2 ?")
                        .arg(samplesText(available, sampleRate), samplesText(kept, sampleRate)),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("LongFileQuestion"));
    QPushButton* keep = box.addButton(SignalCommands::tr("&Incarca inceputul"), QMessageBox::AcceptRole);
    box.addButton(SignalCommands::tr("&Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == keep;
}

dialogAnswer GuiImportCallbacks::askName(const std::string& proposed, bool allowSkip, std::string& typedName)
{
    return file_.askName(proposed, allowSkip, typedName);
}

void GuiImportCallbacks::showError(const std::string& message) { file_.showError(message); }

bool GuiImportCallbacks::keepFirstPart(std::int64_t available, std::int64_t kept, int sampleRate)
{
    return askKeepFirstPart(&parent_, available, kept, sampleRate);
}

SignalCommands::SignalCommands(const Collaborators& with)
    : workspace_(with.workspace), fileDialogs_(with.fileDialogs), selection_(with.selection),
      fileCallbacks_(with.fileCallbacks), mainWindow_(with.mainWindow)
{
}

const std::array<SignalCommands::menuItem, 4>& SignalCommands::menuItems()
{
    static const std::array<menuItem, 4> items = {{
        // In the main window's texts, as the items are in its menu.
        {"ImportSound1", QT_TRANSLATE_NOOP("MainWindow", "Import s&unet (incarca WAV, FLAC, OGG, AIFF)"),
         QT_TRANSLATE_NOOP("MainWindow", "Incarca un fisier de sunet; fiecare canal devine o variabila"),
         &SignalCommands::importSound},
        {"ImportColumns1", QT_TRANSLATE_NOOP("MainWindow", "Import &tabel (incarca coloane CSV sau text)"),
         QT_TRANSLATE_NOOP("MainWindow", "Incarca un tabel de numere; fiecare coloana devine o variabila"),
         &SignalCommands::importColumns},
        {"ExportColumns1", QT_TRANSLATE_NOOP("MainWindow", "Export ta&bel (salveaza CSV)"),
         QT_TRANSLATE_NOOP("MainWindow", "Salveaza variabilele intr-un tabel CSV, cate o coloana fiecare"),
         &SignalCommands::exportColumns},
        {"ExportSound1", QT_TRANSLATE_NOOP("MainWindow", "Export sun&et (salveaza WAV sau FLAC)"),
         QT_TRANSLATE_NOOP("MainWindow",
                           "Salveaza variabilele intr-un fisier de sunet WAV sau FLAC, cate un canal fiecare"),
         &SignalCommands::exportSound},
    }};
    return items;
}

SoundExportDialog* SignalCommands::soundOptions()
{
    if (!soundOptions_)
        soundOptions_ = new SoundExportDialog(&mainWindow_);
    return soundOptions_;
}

ColumnPreviewDialog* SignalCommands::columnPreview()
{
    if (!columnPreview_)
        columnPreview_ = new ColumnPreviewDialog(&mainWindow_);
    return columnPreview_;
}

void SignalCommands::showNote(const QString& note)
{
    if (auto* main = qobject_cast<QMainWindow*>(&mainWindow_))
        main->statusBar()->showMessage(note);
}

void SignalCommands::importSound()
{
    const QString path = fileDialogs_.ask(fileDialogKind::importSound);
    if (!path.isEmpty())
        importSoundFrom(path);
}

void SignalCommands::importSoundFrom(const QString& path, loadCallbacks* callbacks)
{
    GuiImportCallbacks asking(callbacks ? *callbacks : fileCallbacks_, mainWindow_);
    const soundImport result = importSoundFile(localPath(path), workspace_, asking);
    rates_.remember(result.variables, result.sampleRate);
}

void SignalCommands::importColumns()
{
    // Shift held on the command shows the preview whatever was chosen, the way back from "never".
    const bool previewAnyway = QApplication::keyboardModifiers() & Qt::ShiftModifier;
    const QString path = fileDialogs_.ask(fileDialogKind::importColumns);
    if (!path.isEmpty())
        importColumnsFrom(path, nullptr, previewAnyway);
}

void SignalCommands::importColumnsFrom(const QString& path, loadCallbacks* callbacks, bool previewAnyway)
{
    loadCallbacks& told = callbacks ? *callbacks : fileCallbacks_;
    const std::string file = localPath(path);
    fileContents text;
    std::string message;
    if (!readWholeFile(file, text, message)) {
        told.showError(message);
        return;
    }
    const csvDetection detection = detectCsvFormat(text.view());
    csvChoices choices{detection.format, {}};
    columnPreviewPolicy policy = storedColumnPreviewPolicy();
    const bool asked = previewAnyway || policy == columnPreviewPolicy::always ||
                       (policy == columnPreviewPolicy::whenUncertain && !detection.certain);
    if (asked) {
        const bool accepted = columnPreview()->ask(text.view(), detection, policy, choices);
        storeColumnPreviewPolicy(policy);
        if (!accepted)
            return;
    }
    GuiImportCallbacks asking(told, mainWindow_);
    const columnImport result =
        importCsvText(text.view(), fullPath(file), baseNameOf(file), workspace_, asking, choices);
    QString note = shownText(result.note);
    if (!asked && !detection.certain && !result.variables.empty())
        note += (note.isEmpty() ? QString() : QStringLiteral("; ")) +
                tr("Citirea tabelului nu a fost sigura (Shift + Import tabel o arata)");
    if (!note.isEmpty())
        showNote(note);
}

void SignalCommands::exportChosen(std::function<QString()> caption,
                                  std::function<bool(const std::vector<tdspvarPtr>&)> write)
{
    // Like File > Save: all variables, or those marked on their strips.
    selection_.setMode(selectionMode::exportTo);
    selection_.setExport(std::move(caption), std::move(write));
    selection_.setClickedOption(false);
    selection_.chooseOption(selectionTarget::all);
    selection_.exec();
    selection_.setExport(nullptr, nullptr);
}

void SignalCommands::exportColumns()
{
    exportChosen([] { return tr("Exporta variabile (CSV)"); },
                 [this](const std::vector<tdspvarPtr>& v) { return writeColumns(v); });
}

void SignalCommands::exportSound()
{
    exportChosen([] { return tr("Exporta variabile (WAV)"); },
                 [this](const std::vector<tdspvarPtr>& v) { return writeSound(v); });
}

bool SignalCommands::writeColumns(const std::vector<tdspvarPtr>& variables)
{
    const QString path = fileDialogs_.ask(fileDialogKind::exportColumns);
    if (path.isEmpty())
        return false;
    saveCsvFile(localPath(path), variables, fileCallbacks_);
    return true;
}

bool SignalCommands::writeSound(const std::vector<tdspvarPtr>& variables)
{
    // The encoding first, so that the file dialog proposes its extension.
    soundExportOptions options;
    options.sampleRate = rates_.rateFor(variables);
    if (!soundOptions()->ask(options))
        return false;
    const QString path =
        fileDialogs_.ask(isFlacEncoding(options.encoding) ? fileDialogKind::exportFlac : fileDialogKind::exportSound);
    if (path.isEmpty())
        return false;
    const soundExportResult written = saveSoundFile(localPath(path), variables, options, fileCallbacks_);
    if (written.written)
        rates_.remember(variables, options.sampleRate);
    if (written.written && written.clippedSamples > 0) {
        QWidget* over = QApplication::activeModalWidget();
        QMessageBox::information(over ? over : &mainWindow_, mainWindow_.windowTitle(),
                                 tr("%1 esantioane erau in afara domeniului -1 ... +1 "
                                    "si au fost limitate.")
                                     .arg(written.clippedSamples));
    }
    return true;
}
