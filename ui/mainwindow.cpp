#include "ui/mainwindow.h"

#include "ui/application.h"
#include "io/dspimport.h"
#include "io/statefile.h"
#include "ui/aboutdialog.h"
#include "ui/filedialogs.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "ui/guicallbacks.h"
#include "ui/helpwindow.h"
#include "ui/inversezwindow.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/plotpicture.h"
#include "ui/previewworker.h"
#include "ui/processingdialog.h"
#include "ui/sampleratedialog.h"
#include "ui/samplingworker.h"
#include "ui/selectiondialog.h"
#include "ui/language.h"
#include "ui/signalcommands.h"
#include "ui/striplist.h"
#include "ui/thumbnailworker.h"
#include "ui/valuetable.h"
#include "ui/variablestrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

namespace {

constexpr int kProgramFontPixels = 11;

} // namespace

void applyProgramFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kProgramFontPixels);
    QApplication::setFont(font);
}

MainWindow::MainWindow(const mainWindowSetup& setup, QWidget* parent)
    : QMainWindow(parent), setup_(setup), plotBitmap_(makePlotBitmap()),
      thumbnails_(std::make_unique<ThumbnailPool>(setup.startThread)),
      preview_(std::make_unique<PreviewPlotter>(plotBitmap_, setup.startThread, this))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Kelmo"));
    windowNames_ = {QStringLiteral("Dirichlet"), QStringLiteral("Bartlett"), QStringLiteral("Hamming"),
                    QStringLiteral("Hanning"), QStringLiteral("Blackman")};
    drawEmptyPreviewGrid(plotBitmap_);

    // The white scroll box above the status bar; it leaves one pixel of the client area free on
    // its right, as the window's layout has it.
    auto* client = new QWidget(this);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 1, 0);
    scrollBox_ = new QScrollArea(client);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollBox_->verticalScrollBar()->setTracking(true);
    scrollBox_->setWidgetResizable(true);
    QPalette white = scrollBox_->palette();
    white.setColor(QPalette::Window, Qt::white);
    scrollBox_->viewport()->setPalette(white);
    scrollBox_->viewport()->setAutoFillBackground(true);
    strips_ = new StripList(*thumbnails_);
    connect(strips_, &StripList::popupRequested, this, [this](const QPoint& at) { popupMenu_->popup(at); });
    scrollBox_->setWidget(strips_);
    layout->addWidget(scrollBox_);
    setCentralWidget(client);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(kStatusBarHeight);

    languages_ = setup.languages != nullptr ? setup.languages : new LanguageSwitch(this);
    buildMainMenu();
    buildPopupMenu();
    emptinessChanged(true);
    workspace_.setListener(this);

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(320, 100);

    createWindows();
    setUpSession();
}

// What the windows share, then the windows in their fixed order, each given what it uses. The
// name-correction dialog comes first because every creator of a variable is handed it.
void MainWindow::createWindows()
{
    sampler_ = std::make_unique<SamplingWorker>(setup_.startThread);
    workspace_.setBackgroundReader(sampler_.get());
    fileDialogs_ = new FileDialogs(this, setup_.builtInFileDialogs, setup_.answerFile);
    nameCorrection_ = std::make_unique<NameCorrectionDialog>(workspace_, this);
    fileCallbacks_ = std::make_unique<GuiCallbacks>(*nameCorrection_, *this);

    generate_ = std::make_unique<GenerateDialog>(
        GenerateDialog::Collaborators{.workspace = workspace_, .sampler = *sampler_,
                                      .nameCorrection = *nameCorrection_, .preview = *preview_},
        this);
    valueTable_ = std::make_unique<ValueTableDialog>(workspace_, this);
    processing_ = std::make_unique<ProcessingDialog>(
        ProcessingDialog::Collaborators{.workspace = workspace_, .nameCorrection = *nameCorrection_,
                                        .windowNames = windowNames_, .preview = *preview_,
                                        .typedSystem = &typedSystem_},
        this);
    about_ = std::make_unique<AboutDialog>(this);
    help_ = std::make_unique<HelpWindow>(this);
    selection_ = std::make_unique<SelectionDialog>(
        SelectionDialog::Collaborators{.workspace = workspace_, .strips = *strips_,
                                       .fileDialogs = *fileDialogs_, .fileCallbacks = *fileCallbacks_},
        this);
    graph_ = std::make_unique<GraphWindow>(
        GraphWindow::Collaborators{.workspace = workspace_, .plotBitmap = plotBitmap_,
                                   .startThread = setup_.startThread},
        this);
    addPlotPictureCommands(*graph_, *fileDialogs_, *fileCallbacks_);
    inverseZ_ = std::make_unique<InverseZWindow>(
        InverseZWindow::Collaborators{.workspace = workspace_, .nameCorrection = *nameCorrection_,
                                      .windowNames = windowNames_, .typedSystem = &typedSystem_,
                                      .showVariable =
                                          [this](const tdspvarPtr& v) {
                                              strips_->setCurrent(v);
                                              showGraph();
                                          }},
        this);
    sampleRate_ = std::make_unique<SampleRateDialog>(workspace_, this);

    signalCommands_ = std::make_unique<SignalCommands>(
        SignalCommands::Collaborators{.workspace = workspace_, .fileDialogs = *fileDialogs_,
                                      .selection = *selection_, .fileCallbacks = *fileCallbacks_,
                                      .mainWindow = *this});
}

// The windows go first (the members holding them are declared last), while the workspace, the
// plotter and the sampling worker they refer to still exist; the worker's end waits for a run
// still going. The strips go here, while the thumbnails' threads they drew with still exist.
MainWindow::~MainWindow()
{
    thumbnails_->shutdown();
    workspace_.setRecorder(nullptr);
    history_.setObserver({});
    workspace_.setListener(nullptr);
    workspace_.setBackgroundReader(nullptr);
    delete takeCentralWidget();
}

void MainWindow::showHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString text = bar < 0 ? hint : hint.mid(bar + 1);
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        showHistoryState(); // the undo and redo items name their commands
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (askBeforeClosing_ && !mayClose()) {
        event->ignore();
        return;
    }
    thumbnails_->shutdown();
    sampler_->stop(); // a long run must not keep the program alive
    event->accept();
}

// ---- the workspace column ----

void MainWindow::variableCreated(const tdspvarPtr& variable, int index)
{
    strips_->insert(variable, index);
}

void MainWindow::variableRemoved(const tdspvarPtr& variable, int index)
{
    strips_->remove(variable, index);
}

void MainWindow::samplesChanged(const tdspvarPtr& variable)
{
    strips_->samplesChanged(variable);
}

void MainWindow::detailsChanged(const tdspvarPtr& variable)
{
    strips_->detailsChanged(variable);
}

void MainWindow::emptinessChanged(bool empty)
{
    // The Variabila menu and, with it, its plain-key shortcuts.
    variableMenu_->menuAction()->setEnabled(!empty);
    for (QAction* action : variableMenu_->actions())
        action->setEnabled(!empty);
}

// ---- command dispatch ----

void MainWindow::firstVariableThen(const std::function<void()>& command)
{
    if (workspace_.variableCount() == 0)
        return;
    strips_->setCurrent(workspace_.variables().front());
    command();
}

void MainWindow::saveAll()
{
    selection_->setMode(selectionMode::save);
    selection_->setClickedOption(false);
    selection_->chooseOption(selectionTarget::all);
    selection_->exec();
}

void MainWindow::loadState()
{
    const QString path = fileDialogs_->ask(fileDialogKind::loadState);
    if (path.isEmpty())
        return;
    loadStateFile(QFile::encodeName(path).toStdString(), workspace_, *fileCallbacks_);
}

void MainWindow::importDsp()
{
    const QString path = fileDialogs_->ask(fileDialogKind::importDsp);
    if (path.isEmpty())
        return;
    importDspFile(QFile::encodeName(path).toStdString(), workspace_, *fileCallbacks_);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::generate(const QString& name, const QString& expression)
{
    generate_->preset(name, expression);
    generate_->exec();
}

void MainWindow::showInverseZ()
{
    inverseZ_->exec();
}

void MainWindow::showSystem()
{
    inverseZ_->setPanelOpen(true);
    inverseZ_->exec();
}

void MainWindow::showManual()
{
    help_->exec();
}

void MainWindow::showAbout()
{
    about_->exec();
}

void MainWindow::showGraph()
{
    graph_->setCurrentVariable(strips_->current());
    graph_->exec();
}

void MainWindow::showValues()
{
    valueTable_->setVariable(strips_->current());
    valueTable_->exec();
}

void MainWindow::showProcessing(processingType type)
{
    processing_->setProcessingType(type);
    processing_->setCurrentVariable(strips_->current());
    processing_->exec();
}

void MainWindow::selectionWithChoice(selectionMode mode)
{
    const tdspvarPtr current = strips_->current();
    if (!current)
        return;
    selection_->setMode(mode);
    selection_->setClickedOption(true, QString::fromStdString(current->name()));
    selection_->setClickedVariable(current);
    selection_->chooseOption(selectionTarget::clicked);
    selection_->exec();
    selection_->setClickedVariable(nullptr);
    selection_->setClickedOption(true);
}

void MainWindow::deleteChosen()
{
    selectionWithChoice(selectionMode::remove);
}

void MainWindow::saveChosen()
{
    selectionWithChoice(selectionMode::save);
}

void MainWindow::setSampleRate()
{
    sampleRate_->setVariable(strips_->current());
    sampleRate_->exec();
}
