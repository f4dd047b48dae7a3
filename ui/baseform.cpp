#include "ui/baseform.h"

#include "ui/abouform.h"
#include "ui/funcform.h"
#include "ui/grphform.h"
#include "ui/helpform.h"
#include "ui/listform.h"
#include "ui/newnform.h"
#include "ui/plotbitmap.h"
#include "ui/procform.h"
#include "ui/seleform.h"
#include "ui/tmythr1.h"
#include "ui/tmythr2.h"
#include "ui/udspvar.h"
#include "ui/zinvform.h"

#include <QApplication>
#include <QCloseEvent>
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

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
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

    form2_ = new TForm2(this);
    form3_ = new TForm3(this);
    form4_ = new TForm4(this);
    form5_ = new TForm5(this);
    form6_ = new TForm6(this);
    form7_ = new TForm7(this);
    form8_ = new TForm8(this);
    form9_ = new TForm9(this);
    form10_ = new TForm10(this);
}

TForm1::~TForm1()
{
    tmythr1::stopAll();
    workspace_.setListener(nullptr);
}

QAction* TForm1::addItem(QMenu* menu, const char* objectName, const QString& caption,
                         const QString& hint, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void TForm1::buildMainMenu()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File (Fisiere)"));
    file->menuAction()->setObjectName(QStringLiteral("File1"));
    addItem(file, "Save1", QStringLiteral("&Save (salveaza starea curenta)"),
            QStringLiteral("Salveaza variabilele in formatul propriu Kelmo"), [this] { Save1Click(); })
        ->setShortcut(Qt::Key_F2);
    addItem(file, "Open1", QStringLiteral("&Open (incarca stare salvata)"),
            QStringLiteral("Incarca un fisier in format Kelmo"), [this] { Open1Click(); })
        ->setShortcut(Qt::Key_F3);
    addItem(file, "Import1", QStringLiteral("Import (Incarca variabile)"),
            QStringLiteral("Incarca un fisier intr-un alt format decat cel propriu"),
            [this] { Import1Click(); })
        ->setShortcut(Qt::Key_F4);
    file->addSeparator();
    addItem(file, "Exit1", QStringLiteral("E&xit (Iesire)"),
            QStringLiteral("Iesire din program ! - Atentie nu se cere confirmare !"),
            [this] { Exit1Click(); });

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
            [this] { TransformataZinversa1Click(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));

    // The plain-key shortcuts act while the main window has the keyboard; Enter is both the
    // main and the keypad key.
    Variabila1 = bar->addMenu(QStringLiteral("Variabila"));
    Variabila1->menuAction()->setObjectName(QStringLiteral("Variabila1"));
    addItem(Variabila1, "Vizualizeaza1", QStringLiteral("&Vizualizeaza"), QString(),
            [this] { firstVariableThen([this] { Vizualizeaza2Click(); }); })
        ->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    addItem(Variabila1, "Listeaza1", QStringLiteral("&Listeaza"), QString(),
            [this] { firstVariableThen([this] { Listeaza2Click(); }); })
        ->setShortcut(Qt::Key_L);
    addItem(Variabila1, "Sterge1", QStringLiteral("&Sterge"), QString(),
            [this] { firstVariableThen([this] { Sterge2Click(); }); })
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
            QStringLiteral("Un sumar manual de utilizare"), [this] { Manualdeutilizare1Click(); })
        ->setShortcut(Qt::Key_F1);
    help->addSeparator();
    addItem(help, "About1", QStringLiteral("&About (Despre acest Program)"), QString(),
            [this] { About1Click(); });

    for (QMenu* menu : {file, genereaza, fereastra, special, Variabila1, help})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { StatusBar1Hint(a->statusTip()); });
}

void TForm1::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* view = addItem(PopupMenu1, "Vizualizeaza2", QStringLiteral("Vizualizeaza"),
                            QStringLiteral("Vizualizeaza continutul variabilei in forma grafica"),
                            [this] { Vizualizeaza2Click(); });
    PopupMenu1->setDefaultAction(view);
    addItem(PopupMenu1, "Listeaza2", QStringLiteral("Listeaza"),
            QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"),
            [this] { Listeaza2Click(); });
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
            [this] { Sterge2Click(); });
    addItem(PopupMenu1, "Salveaza1", QStringLiteral("Salveaza"),
            QStringLiteral("Salveaza o variabila sau mai multe variabile selectate"),
            [this] { Salveaza1Click(); });

    for (QMenu* menu : {PopupMenu1, procesare})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { StatusBar1Hint(a->statusTip()); });
}

void TForm1::StatusBar1Hint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString text = bar < 0 ? hint : hint.mid(bar + 1);
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        StatusBar1Hint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == stripColumn_ && event->type() == QEvent::Resize)
        layoutStrips();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    tmythr1::stopAll();
    event->accept();
}

// ---- the workspace column ----

tdspvarStrip* TForm1::stripOf(const tdspvar& variable) const
{
    for (tdspvarStrip* strip : strips_)
        if (strip->variable().get() == &variable)
            return strip;
    return nullptr;
}

void TForm1::layoutStrips()
{
    const int width = stripColumn_->width() - 2 * kStripMargin;
    for (std::size_t k = 0; k < strips_.size(); ++k)
        strips_[k]->setGeometry(kStripMargin, tworkspace::stripTop(static_cast<int>(k)), width,
                                tdspvarStrip::kHeight);
}

void TForm1::variableCreated(const tdspvarPtr& variable, int index)
{
    auto* strip = new tdspvarStrip(variable, stripColumn_);
    strip->setGeometry(kStripMargin, tworkspace::stripTop(index), stripColumn_->width() - 2 * kStripMargin,
                       tdspvarStrip::kHeight);
    strips_.insert(strips_.begin() + index, strip);
    connect(strip, &tdspvarStrip::clicked, this,
            [this](tdspvarStrip* s) { workspace_.toggleSelection(s->variable()); });
    connect(strip, &tdspvarStrip::popupRequested, this, &TForm1::stripPopup);
    variable->thumbnailStarter = [guard = QPointer<tdspvarStrip>(strip)](tdspvar&) {
        if (guard)
            guard->startThumbnail();
    };
    stripColumn_->setMinimumHeight(tworkspace::stripTop(workspace_.variableCount()));
    strip->show();
}

void TForm1::variableRemoved(const tdspvarPtr& variable, int index)
{
    tdspvarStrip* strip = index >= 0 && index < static_cast<int>(strips_.size()) &&
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

void TForm1::selectionToggled(const tdspvarPtr& variable)
{
    if (tdspvarStrip* strip = stripOf(*variable))
        strip->update();
}

void TForm1::emptinessChanged(bool empty)
{
    // The Variabila menu and, with it, its plain-key shortcuts.
    Variabila1->menuAction()->setEnabled(!empty);
    for (QAction* action : Variabila1->actions())
        action->setEnabled(!empty);
}

void TForm1::stripPopup(tdspvarStrip* strip, const QPoint& globalPosition)
{
    if (!strip->variable())
        return;
    workspace_.setCurrentVariable(strip->variable());
    PopupMenu1->popup(globalPosition);
}

// ---- command dispatch ----

void TForm1::firstVariableThen(const std::function<void()>& command)
{
    if (workspace_.makeFirstVariableCurrent())
        command();
}

void TForm1::Save1Click()
{
    form8_->setMode(0);
    form8_->setClickedOption(false, form8_->clickedOptionCaption());
    form8_->chooseOption(0);
    form8_->exec();
}

void TForm1::Open1Click()
{
    // CALL POINT (files): load a state file through the load dialog.
}

void TForm1::Import1Click()
{
    // CALL POINT (files): import a PC-DSP file through the import dialog.
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::generate(const QString& name, const QString& expression)
{
    form2_->preset(name, expression);
    form2_->exec();
}

void TForm1::TransformataZinversa1Click()
{
    form10_->exec();
}

void TForm1::Manualdeutilizare1Click()
{
    form7_->exec();
}

void TForm1::About1Click()
{
    form6_->exec();
}

void TForm1::Vizualizeaza2Click()
{
    form9_->exec();
}

void TForm1::Listeaza2Click()
{
    form3_->exec();
}

void TForm1::processing(int type)
{
    form5_->setProcessingType(type);
    form5_->exec();
}

void TForm1::selectionWithChoice(int mode)
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

void TForm1::Sterge2Click()
{
    selectionWithChoice(1);
}

void TForm1::Salveaza1Click()
{
    selectionWithChoice(0);
}
