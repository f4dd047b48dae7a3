// The main window's everyday safety: each menu command as one step of the undo history, the
// Editare menu with Undo and Redo, the question before closing with unsaved changes, the recent
// files, and files opened by name (the command line) or dropped on the window.
#include "ui/mainwindow.h"

#include "ui/application.h"
#include "ui/recentfiles.h"
#include "ui/selectiondialog.h"
#include "ui/guicallbacks.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {

// How long a note of the history stays in the status bar, unless a hint takes its place first.
constexpr int kNoteMilliseconds = 10000;

enum class closeAnswer { save, discard, cancel };

closeAnswer askAboutUnsavedChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, parent->windowTitle(),
                    QCoreApplication::translate("MainWindow", "Variabilele s-au schimbat de la ultima salvare.\n"
                                                              "Le salvati inainte de iesire ?"),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("UnsavedChangesQuestion"));
    QPushButton* save = box.addButton(QCoreApplication::translate("MainWindow", "&Salveaza"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("MainWindow", "&Nu salva"), QMessageBox::DestructiveRole);
    box.addButton(QCoreApplication::translate("MainWindow", "&Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return closeAnswer::save;
    return box.clickedButton() == discard ? closeAnswer::discard : closeAnswer::cancel;
}

} // namespace

void MainWindow::buildEditMenu(QMenuBar* bar)
{
    QMenu* edit = addMenu(bar, "Editare1", QT_TR_NOOP("&Editare"));
    undoAction_ = edit->addAction(QString());
    undoAction_->setObjectName(QStringLiteral("Anuleaza1"));
    texts_.bind(QT_TR_NOOP("Anuleaza ultima comanda care a schimbat variabilele"),
                [this](const QString& t) { undoAction_->setStatusTip(t); });
    undoAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    connect(undoAction_, &QAction::triggered, this, [this] { undo(); });
    redoAction_ = edit->addAction(QString());
    redoAction_->setObjectName(QStringLiteral("Reface1"));
    texts_.bind(QT_TR_NOOP("Reface comanda anulata"), [this](const QString& t) { redoAction_->setStatusTip(t); });
    redoAction_->setShortcuts({QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redoAction_, &QAction::triggered, this, [this] { redo(); });
    connect(edit, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
}

void MainWindow::addRecentFilesMenu(QMenu* file)
{
    QMenu* recent = addMenu(file, "FisiereRecente1", QT_TR_NOOP("Fisiere &recente"));
    texts_.bind(QT_TR_NOOP("Deschide unul din ultimele fisiere folosite"),
                [recent](const QString& t) { recent->menuAction()->setStatusTip(t); });
    recent_ = new RecentFiles(*recent, [this](const namedFile& f) {
        runCommand(QFileInfo(f.path).fileName(), [this, f] {
            opener_->open(f.path, f.kind, *fileCallbacks_);
            filesOpened_.push_back(f);
        });
    }, this);
    connect(recent, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
}

void MainWindow::setUpSession()
{
    opener_ = std::make_unique<FileOpener>(FileOpener::Collaborators{
        .workspace = workspace_, .fileCallbacks = *fileCallbacks_, .signalCommands = *signalCommands_});
    connect(fileDialogs_, &FileDialogs::fileChosen, this, &MainWindow::fileChosen);
    connect(selection_.get(), &SelectionDialog::stateFileWritten, this, [this](bool everyVariable) {
        if (everyVariable)
            history_.markClean();
    });
    history_.setObserver([this](historyEvent event) { historyChanged(event); });
    workspace_.setRecorder(&history_);
    setAcceptDrops(true);
    showHistoryState();
}

// ---- commands as steps ----

void MainWindow::runCommand(const QString& label, const std::function<void()>& command)
{
    if (commandDepth_ > 0) { // a command inside a command (a save before closing): one step
        runGuarded(command);
        return;
    }
    const bool wasClean = history_.isClean();
    filesOpened_.clear();
    filesSaved_.clear();
    ++commandDepth_;
    history_.beginStep(label.toStdString());
    runGuarded(command);
    history_.endStep();
    --commandDepth_;
    // Files read into a workspace that held nothing unsaved leave nothing unsaved: they are on
    // the disk. Saved files count only once they are there.
    for (const namedFile& f : filesOpened_)
        recent_->add(f.path, f.kind);
    for (const namedFile& f : filesSaved_)
        if (QFileInfo(f.path).isFile())
            recent_->add(f.path, f.kind);
    if (wasClean && !filesOpened_.empty())
        history_.markClean();
    filesOpened_.clear();
    filesSaved_.clear();
    showHistoryState();
}

void MainWindow::fileChosen(fileDialogKind kind, const QString& path)
{
    if (const std::optional<fileKind> k = kindOfDialog(kind))
        (dialogOpensFile(kind) ? filesOpened_ : filesSaved_).push_back({QFileInfo(path).absoluteFilePath(), *k});
}

void MainWindow::openFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString label = paths.size() == 1 ? QFileInfo(paths.front()).fileName()
                                            : tr("%1 fisiere").arg(paths.size());
    runCommand(label, [this, &paths] {
        for (const namedFile& f : opener_->openAll(paths))
            filesOpened_.push_back(f);
    });
}

// ---- undo and redo ----

void MainWindow::undo() { replayStep(false); }

void MainWindow::redo() { replayStep(true); }

// The workspace's own calls do the work, so a sampling run still reading is stopped first (the
// write guard) and the strips, thumbnails and dialogs follow as after any command.
void MainWindow::replayStep(bool forwards)
{
    replayOutcome outcome = replayOutcome::nothing;
    runGuarded([&] { outcome = forwards ? history_.redo(workspace_) : history_.undo(workspace_); });
    if (outcome == replayOutcome::refused)
        statusBar()->showMessage(forwards ? tr("Comanda nu mai poate fi refacuta: variabilele ei s-au schimbat")
                                          : tr("Comanda nu mai poate fi anulata: variabilele ei s-au schimbat"),
                                 kNoteMilliseconds);
    showHistoryState();
}

void MainWindow::historyChanged(historyEvent event)
{
    if (event == historyEvent::oldestDropped)
        statusBar()->showMessage(tr("Memoria pentru anulare s-a umplut: cele mai vechi comenzi "
                                    "nu mai pot fi anulate"),
                                 kNoteMilliseconds);
    else if (event == historyEvent::lost)
        statusBar()->showMessage(tr("Memorie insuficienta: comenzile de pana acum nu mai pot fi anulate"),
                                 kNoteMilliseconds);
    showHistoryState();
}

void MainWindow::showHistoryState()
{
    if (!undoAction_)
        return;
    const auto caption = [this](const QString& verb, bool can, const std::string& label) {
        QString text = verb;
        if (can && !label.empty())
            text += QStringLiteral(": ") + stepLabel(label);
        return text;
    };
    undoAction_->setEnabled(history_.canUndo());
    undoAction_->setText(caption(tr("&Anuleaza"), history_.canUndo(), history_.undoLabel()));
    redoAction_->setEnabled(history_.canRedo());
    redoAction_->setText(caption(tr("&Reface"), history_.canRedo(), history_.redoLabel()));
}

// A menu item's step reads as the item does in the language of the moment, without the mnemonic
// and the part in parentheses; any other step (a file's name) as it was named.
QString MainWindow::stepLabel(const std::string& label) const
{
    if (!itemCaptions_.contains(label))
        return QString::fromStdString(label);
    QString shown = texts_(label.c_str());
    shown.remove(QLatin1Char('&'));
    return shown.section(QStringLiteral(" ("), 0, 0);
}

// ---- closing ----

void MainWindow::closeWithoutAsking()
{
    askBeforeClosing_ = false;
    close();
}

bool MainWindow::mayClose()
{
    if (history_.isClean() || workspace_.variableCount() == 0)
        return true;
    // A dialog is still open over the window: it is finished first.
    if (QApplication::activeModalWidget())
        return false;
    switch (askAboutUnsavedChanges(this)) {
    case closeAnswer::discard:
        return true;
    case closeAnswer::cancel:
        return false;
    case closeAnswer::save:
        break;
    }
    bool saved = false;
    runCommand(QString::fromUtf8(kSaveCaption), [this, &saved] { saved = saveEverything(); });
    return saved;
}

// File > Save with every variable chosen, whatever is marked on the strips; true once the file
// is written.
bool MainWindow::saveEverything()
{
    selection_->setMode(selectionMode::save);
    selection_->setClickedOption(false);
    selection_->chooseOption(selectionTarget::all);
    selection_->setFollowMarks(false);
    const int result = selection_->exec();
    selection_->setFollowMarks(true);
    return result == QDialog::Accepted;
}

// ---- dropped files ----

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// The files are opened once the drop is over, so that the program that sent them is not kept
// waiting by a question the opening may ask.
void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, paths] { openFiles(paths); });
}
