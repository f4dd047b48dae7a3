#include "ui/mainwindow.h"

#include "ui/aboutdialog.h"
#include "ui/application.h"
#include "io/dspimport.h"
#include "io/statefile.h"
#include "ui/filedialogs.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "ui/guicallbacks.h"
#include "ui/helpwindow.h"
#include "ui/valuetable.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/plotpicture.h"
#include "ui/processingdialog.h"
#include "ui/selectiondialog.h"
#include "ui/signalcommands.h"
#include "ui/thumbnailworker.h"
#include "ui/previewworker.h"
#include "ui/variablestrip.h"
#include "ui/inversezwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

namespace {

constexpr int kProgramFontPixels = 11;
constexpr int kStripMargin = 1; // left edge of a strip, and the room left on its right

} // namespace

void applyProgramFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kProgramFontPixels);
    QApplication::setFont(font);
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Kelmo"));
    windowNames_ = {QStringLiteral("Dirichlet"), QStringLiteral("Bartlett"), QStringLiteral("Hamming"),
                    QStringLiteral("Hanning"), QStringLiteral("Blackman")};
    plotBitmap();
    drawEmptyPreviewGrid(plotBitmap());

    // The white scroll box above the status bar; it leaves one pixel of the client area free on
    // its right, as the window's layout has it.
    auto* client = new QWidget(this);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 1, 0);
    ScrollBox1 = new QScrollArea(client);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->setWidgetResizable(true);
    QPalette white = ScrollBox1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ScrollBox1->viewport()->setPalette(white);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    stripColumn_ = new QWidget;
    stripColumn_->setPalette(white);
    stripColumn_->setAutoFillBackground(true);
    stripColumn_->installEventFilter(this);
    ScrollBox1->setWidget(stripColumn_);
    layout->addWidget(ScrollBox1);
    setCentralWidget(client);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(kStatusBarHeight);

    buildMainMenu();
    buildPopupMenu();
    emptinessChanged(true);
    workspace_.setListener(this);

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(320, 100);

    fileDialogs_ = std::make_unique<FileDialogs>(this);
    signalCommands_ = std::make_unique<SignalCommands>(*this);

    form2_ = new GenerateDialog(this);
    form3_ = new ValueTableDialog(this);
    form4_ = new NameCorrectionDialog(this);
    form5_ = new ProcessingDialog(this);
    form6_ = new AboutDialog(this);
    form7_ = new HelpWindow(this);
    form8_ = new SelectionDialog(this);
    form9_ = new GraphWindow(this);
    form10_ = new InverseZWindow(this);
    addPlotPictureCommands(*form9_, *this);
}

MainWindow::~MainWindow()
{
    ThumbnailWorker::stopAll();
    workspace_.setListener(nullptr);
}

QAction* MainWindow::addItem(QMenu* menu, const char* objectName, const QString& caption,
                         const QString& hint, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setStatusTip(hint);
    // A command that fails (out of memory, say) ends in the error box; the program goes on.
    connect(action, &QAction::triggered, this, [command = std::move(command)] { runGuarded(command); });
    return action;
}

void MainWindow::buildMainMenu()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File (Fisiere)"));
    file->menuAction()->setObjectName(QStringLiteral("File1"));
    addItem(file, "Save1", QStringLiteral("&Save (salveaza starea curenta)"),
            QStringLiteral("Salveaza variabilele in formatul propriu Kelmo"), [this] { saveSelection(); })
        ->setShortcut(Qt::Key_F2);
    addItem(file, "Open1", QStringLiteral("&Open (incarca stare salvata)"),
            QStringLiteral("Incarca un fisier in format Kelmo"), [this] { loadState(); })
        ->setShortcut(Qt::Key_F3);
    addItem(file, "Import1", QStringLiteral("Import (Incarca variabile)"),
            QStringLiteral("Incarca un fisier intr-un alt format decat cel propriu"),
            [this] { importDsp(); })
        ->setShortcut(Qt::Key_F4);
    file->addSeparator();
    addItem(file, "Exit1", QStringLiteral("E&xit (Iesire)"),
            QStringLiteral("Iesire din program ! - Atentie nu se cere confirmare !"),
            [this] { exitProgram(); });
    file->addSeparator();
    for (const SignalCommands::menuItem& item : SignalCommands::menuItems())
        addItem(file, item.objectName, QString::fromLatin1(item.caption), QString::fromLatin1(item.hint),
                [this, command = item.command] { (signalCommands_.get()->*command)(); });

    QMenu* genereaza = bar->addMenu(QStringLiteral("&Genereaza"));
    genereaza->menuAction()->setObjectName(QStringLiteral("Genereaza1"));
    addItem(genereaza, "Functie1", QStringLiteral("&Functie"),
            QStringLiteral("Genereaza o noua variabila"),
            [this] { generate(QStringLiteral("name"), QStringLiteral("sin(x*pi*2)")); })
        ->setShortcut(Qt::Key_Insert);
    QMenu* fereastra = genereaza->addMenu(QStringLiteral("F&ereastra"));
    fereastra->menuAction()->setObjectName(QStringLiteral("Fereastra1"));
    struct preset {
        const char* objectName;
        const char* caption;
        const char* hint;
        const char* name;
        const char* expression;
    };
    static const preset presets[] = {
        {"Dirichlet1", "&Dirichlet (Dreptunghiulara)", "Genereaza o fereastra de tip Dirichlet",
         "dirichlet", "dirichlet(x*2-0.5)"},
        {"Bartlett1", "&Bartlett (Triunghiulara)", "Genereaza o fereastra de tip Bartlett",
         "bartlett", "bartlett(x)"},
        {"Blackman1", "Blac&kman", "Genereaza o fereastra de tip Blackman", "blackman",
         "blackman(x)"},
        {"Hamming1", "&Hamming", "Genereaza o fereastra de tip Hamming", "hamming", "hamming(x)"},
        {"Hanning1", "Ha&nning", "Genereaza o fereastra de tip Hanning", "hanning", "hanning(x)"},
    };
    for (const preset& p : presets)
        addItem(fereastra, p.objectName, QString::fromLatin1(p.caption), QString::fromLatin1(p.hint),
                [this, p] { generate(QString::fromLatin1(p.name), QString::fromLatin1(p.expression)); });
    QMenu* special = genereaza->addMenu(QStringLiteral("Special"));
    special->menuAction()->setObjectName(QStringLiteral("Special1"));
    addItem(special, "TransformataZinversa1", QStringLiteral("Transformata &Z inversa"),
            QStringLiteral("Transformata Z inversa a unui raport de polinoame"),
            [this] { showInverseZ(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));

    // The plain-key shortcuts act while the main window has the keyboard; Enter is both the
    // main and the keypad key.
    Variabila1 = bar->addMenu(QStringLiteral("Variabila"));
    Variabila1->menuAction()->setObjectName(QStringLiteral("Variabila1"));
    addItem(Variabila1, "Vizualizeaza1", QStringLiteral("&Vizualizeaza"), QString(),
            [this] { firstVariableThen([this] { showGraph(); }); })
        ->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    addItem(Variabila1, "Listeaza1", QStringLiteral("&Listeaza"), QString(),
            [this] { firstVariableThen([this] { showValues(); }); })
        ->setShortcut(Qt::Key_L);
    addItem(Variabila1, "Sterge1", QStringLiteral("&Sterge"), QString(),
            [this] { firstVariableThen([this] { deleteChosen(); }); })
        ->setShortcut(Qt::Key_Delete);
    struct processingItem {
        const char* objectName;
        const char* caption;
        Qt::Key key;
        int type;
    };
    static const processingItem processingItems[] = {
        {"Fourier1", "&Fourier", Qt::Key_F, 7},
        {"Corelatie1", "Co&relatie", Qt::Key_R, 4},
        {"Convolutie1", "Con&volutie", Qt::Key_V, 8},
        {"Ferestruire1", "F&erestruire", Qt::Key_E, 1},
    };
    for (const processingItem& p : processingItems)
        addItem(Variabila1, p.objectName, QString::fromLatin1(p.caption), QString(),
                [this, type = p.type] { firstVariableThen([this, type] { processing(type); }); })
            ->setShortcut(p.key);

    QMenu* help = bar->addMenu(QStringLiteral("&Help (Ajutor)"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    addItem(help, "Manualdeutilizare1", QStringLiteral("&Manual de utilizare"),
            QStringLiteral("Un sumar manual de utilizare"), [this] { showManual(); })
        ->setShortcut(Qt::Key_F1);
    help->addSeparator();
    addItem(help, "About1", QStringLiteral("&About (Despre acest Program)"), QString(),
            [this] { showAbout(); });

    for (QMenu* menu : {file, genereaza, fereastra, special, Variabila1, help})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
}

void MainWindow::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* view = addItem(PopupMenu1, "Vizualizeaza2", QStringLiteral("Vizualizeaza"),
                            QStringLiteral("Vizualizeaza continutul variabilei in forma grafica"),
                            [this] { showGraph(); });
    PopupMenu1->setDefaultAction(view);
    addItem(PopupMenu1, "Listeaza2", QStringLiteral("Listeaza"),
            QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"),
            [this] { showValues(); });
    PopupMenu1->addSeparator();
    QMenu* procesare = PopupMenu1->addMenu(QStringLiteral("Procesare"));
    procesare->menuAction()->setObjectName(QStringLiteral("Procesare1"));
    struct processingItem {
        const char* objectName;
        const char* caption;
        const char* hint;
        int type;
    };
    static const processingItem firstGroup[] = {
        {"Ferestruire2", "Ferestruire", "Pondereaza variabila cu o functie fereastra", 1},
        {"AutoCorelatie1", "AutoCorelatie", "Autocorelatia unei functii", 2},
        {"Fourier2", "Fourier", "", 7},
        {"Resample1", "Resample", "Schimba numarul de esantioane al unei variabile", 3},
    };
    static const processingItem secondGroup[] = {
        {"Corelatie2", "Corelatie", "Corelatie intre doua variabile", 4},
        {"Convolutie2", "Convolutie", "", 8},
        {"Aduna1", "Aduna", "Aduna doua variabile", 5},
        {"Multiplica1", "Multiplica", "Inmulteste esantion cu esantion doua variabile", 6},
    };
    const auto addProcessing = [&](const processingItem& p) {
        addItem(procesare, p.objectName, QString::fromLatin1(p.caption), QString::fromLatin1(p.hint),
                [this, type = p.type] { processing(type); });
    };
    for (const processingItem& p : firstGroup)
        addProcessing(p);
    procesare->addSeparator();
    for (const processingItem& p : secondGroup)
        addProcessing(p);
    addItem(PopupMenu1, "Sterge2", QStringLiteral("Sterge"),
            QStringLiteral("Sterge o variabila sau mai multe variabile selectate"),
            [this] { deleteChosen(); });
    addItem(PopupMenu1, "Salveaza1", QStringLiteral("Salveaza"),
            QStringLiteral("Salveaza o variabila sau mai multe variabile selectate"),
            [this] { saveChosen(); });

    for (QMenu* menu : {PopupMenu1, procesare})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
    // The strips and the space around them have no hint: once the pop-up closes (Escape, a click
    // elsewhere, or before its command runs) the last item's hint goes, as the main menu's does.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] { showHint(QString()); });
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == stripColumn_ && event->type() == QEvent::Resize)
        layoutStrips();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    ThumbnailWorker::stopAll();
    form2_->stopSamplingRun(); // a long run must not keep the program alive
    event->accept();
}

// ---- the workspace column ----

VariableStrip* MainWindow::stripOf(const tdspvar& variable) const
{
    for (VariableStrip* strip : strips_)
        if (strip->variable().get() == &variable)
            return strip;
    return nullptr;
}

void MainWindow::layoutStrips()
{
    const int width = stripColumn_->width() - 2 * kStripMargin;
    for (std::size_t k = 0; k < strips_.size(); ++k)
        strips_[k]->setGeometry(kStripMargin, tworkspace::stripTop(static_cast<int>(k)), width,
                                VariableStrip::kHeight);
}

void MainWindow::variableCreated(const tdspvarPtr& variable, int index)
{
    auto* strip = new VariableStrip(variable, stripColumn_);
    strip->setGeometry(kStripMargin, tworkspace::stripTop(index), stripColumn_->width() - 2 * kStripMargin,
                       VariableStrip::kHeight);
    strips_.insert(strips_.begin() + index, strip);
    connect(strip, &VariableStrip::clicked, this,
            [this](VariableStrip* s) { workspace_.toggleSelection(s->variable()); });
    connect(strip, &VariableStrip::popupRequested, this, &MainWindow::stripPopup);
    stripColumn_->setMinimumHeight(tworkspace::stripTop(workspace_.variableCount()));
    strip->show();
}

void MainWindow::variableRemoved(const tdspvarPtr& variable, int index)
{
    VariableStrip* strip = index >= 0 && index < static_cast<int>(strips_.size()) &&
                                  strips_[static_cast<std::size_t>(index)]->variable() == variable
                              ? strips_[static_cast<std::size_t>(index)]
                              : stripOf(*variable);
    if (!strip)
        return;
    strips_.erase(std::find(strips_.begin(), strips_.end(), strip));
    strip->detach();
    layoutStrips(); // the strips below move up and close the gap
    stripColumn_->setMinimumHeight(tworkspace::stripTop(workspace_.variableCount()));
}

void MainWindow::samplesChanged(const tdspvarPtr& variable)
{
    if (VariableStrip* strip = stripOf(*variable))
        strip->redrawThumbnail();
}

void MainWindow::selectionToggled(const tdspvarPtr& variable)
{
    if (VariableStrip* strip = stripOf(*variable))
        strip->update();
}

void MainWindow::emptinessChanged(bool empty)
{
    // The Variabila menu and, with it, its plain-key shortcuts.
    Variabila1->menuAction()->setEnabled(!empty);
    for (QAction* action : Variabila1->actions())
        action->setEnabled(!empty);
}

void MainWindow::stripPopup(VariableStrip* strip, const QPoint& globalPosition)
{
    if (!strip->variable())
        return;
    workspace_.setCurrentVariable(strip->variable());
    PopupMenu1->popup(globalPosition);
}

// ---- command dispatch ----

void MainWindow::firstVariableThen(const std::function<void()>& command)
{
    if (workspace_.makeFirstVariableCurrent())
        command();
}

void MainWindow::saveSelection()
{
    form8_->setMode(0);
    form8_->setClickedOption(false, form8_->clickedOptionCaption());
    form8_->chooseOption(0);
    form8_->exec();
}

void MainWindow::loadState()
{
    const QString path = fileDialogs_->ask(fileDialogKind::loadState);
    if (path.isEmpty())
        return;
    GuiCallbacks callbacks(*this);
    loadStateFile(QFile::encodeName(path).toStdString(), workspace_, callbacks);
}

void MainWindow::importDsp()
{
    const QString path = fileDialogs_->ask(fileDialogKind::importDsp);
    if (path.isEmpty())
        return;
    GuiCallbacks callbacks(*this);
    importDspFile(QFile::encodeName(path).toStdString(), workspace_, callbacks);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::generate(const QString& name, const QString& expression)
{
    form2_->preset(name, expression);
    form2_->exec();
}

void MainWindow::showInverseZ()
{
    form10_->exec();
}

void MainWindow::showManual()
{
    form7_->exec();
}

void MainWindow::showAbout()
{
    form6_->exec();
}

void MainWindow::showGraph()
{
    form9_->exec();
}

void MainWindow::showValues()
{
    form3_->exec();
}

void MainWindow::processing(int type)
{
    form5_->setProcessingType(type);
    form5_->exec();
}

void MainWindow::selectionWithChoice(int mode)
{
    const tdspvarPtr current = workspace_.currentVariable();
    if (!current)
        return;
    form8_->setMode(mode);
    const QString remembered = form8_->clickedOptionCaption();
    form8_->setClickedOption(true, QStringLiteral("Variabila pe care s-a dat click (") +
                                       QString::fromStdString(current->name) + QLatin1Char(')'));
    form8_->chooseOption(2);
    form8_->exec();
    form8_->setClickedOption(true, remembered);
}

void MainWindow::deleteChosen()
{
    selectionWithChoice(1);
}

void MainWindow::saveChosen()
{
    selectionWithChoice(0);
}
