#include "ui/signalcommands.h"

#include "core/numformat.h"
#include "io/csvfile.h"
#include "ui/filedialogs.h"
#include "ui/localenumber.h"
#include "ui/selectiondialog.h"
#include "ui/wavoptionsdialog.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString samplesText(std::int64_t count, int sampleRate)
{
    QString text = QString::number(count) + QStringLiteral(" de esantioane");
    if (sampleRate > 0)
        text += QStringLiteral(" (") +
                QString::fromStdString(formatGeneral(static_cast<extended>(count) / sampleRate, 5,
                                                     localeDecimalSeparator())) +
                QStringLiteral(" s)");
    return text;
}

} // namespace

bool askKeepFirstPart(QWidget* parent, std::int64_t available, std::int64_t kept, int sampleRate)
{
    QMessageBox box(QMessageBox::Question, parent ? parent->window()->windowTitle() : QString(),
                    QStringLiteral("Fisierul are ") + samplesText(available, sampleRate) +
                        QStringLiteral(", mai multe decat poate avea o variabila.\n"
                                       "Se incarca numai primele ") +
                        samplesText(kept, sampleRate) + QStringLiteral(" ?"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("LongFileQuestion"));
    QPushButton* keep = box.addButton(QStringLiteral("&Incarca inceputul"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Cancel"), QMessageBox::RejectRole);
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
        {"ImportSound1", "Import s&unet (incarca WAV, FLAC, OGG, AIFF)",
         "Incarca un fisier de sunet; fiecare canal devine o variabila", &SignalCommands::importSound},
        {"ImportColumns1", "Import &tabel (incarca coloane CSV sau text)",
         "Incarca un tabel de numere; fiecare coloana devine o variabila", &SignalCommands::importColumns},
        {"ExportColumns1", "Export ta&bel (salveaza CSV)",
         "Salveaza variabilele intr-un tabel CSV, cate o coloana fiecare", &SignalCommands::exportColumns},
        {"ExportSound1", "Export sun&et (salveaza WAV)",
         "Salveaza variabilele intr-un fisier de sunet WAV, cate un canal fiecare", &SignalCommands::exportSound},
    }};
    return items;
}

WavOptionsDialog* SignalCommands::wavOptions()
{
    if (!wavOptions_)
        wavOptions_ = new WavOptionsDialog(&mainWindow_);
    return wavOptions_;
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
    const QString path = fileDialogs_.ask(fileDialogKind::importColumns);
    if (!path.isEmpty())
        importColumnsFrom(path);
}

void SignalCommands::importColumnsFrom(const QString& path, loadCallbacks* callbacks)
{
    GuiImportCallbacks asking(callbacks ? *callbacks : fileCallbacks_, mainWindow_);
    importCsvFile(localPath(path), workspace_, asking);
}

void SignalCommands::exportChosen(const QString& caption,
                                  std::function<bool(const std::vector<tdspvarPtr>&)> write)
{
    // Like File > Save: all variables, or those marked on their strips.
    selection_.setMode(selectionMode::exportTo);
    selection_.setExport(caption, std::move(write));
    selection_.setClickedOption(false, selection_.clickedOptionCaption());
    selection_.chooseOption(selectionTarget::all);
    selection_.exec();
    selection_.setExport(QString(), nullptr);
}

void SignalCommands::exportColumns()
{
    exportChosen(QStringLiteral("Exporta variabile (CSV)"),
                 [this](const std::vector<tdspvarPtr>& v) { return writeColumns(v); });
}

void SignalCommands::exportSound()
{
    exportChosen(QStringLiteral("Exporta variabile (WAV)"),
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
    const QString path = fileDialogs_.ask(fileDialogKind::exportSound);
    if (path.isEmpty())
        return false;
    int sampleRate = rates_.rateFor(variables);
    wavEncoding encoding = wavEncoding::float32;
    if (!wavOptions()->ask(sampleRate, encoding))
        return false;
    if (saveWavFile(localPath(path), variables, sampleRate, encoding, fileCallbacks_))
        rates_.remember(variables, sampleRate);
    return true;
}
