// The main window's menus: the main menu bar and the pop-up menu that every strip carries, with
// their captions, shortcuts and status-bar hints, each item bound to a command of MainWindow.
// Every item carries the name the program's texts give it (Save1, Vizualizeaza2 ...) as its
// objectName.
#include "ui/mainwindow.h"

#include "dsp/operations.h"
#include "ui/signalcommands.h"
#include "ui/signalplayer.h"
#include "ui/striplist.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

QAction* MainWindow::addItem(QMenu* menu, const char* objectName, const QString& caption,
                             const QString& hint, std::function<void()> command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setStatusTip(hint);
    // A command that fails (out of memory, say) ends in the error box; the program goes on. The
    // undo step is named after the item: its caption without the mnemonic and the translation.
    QString label = caption;
    label.remove(QLatin1Char('&'));
    label = label.section(QStringLiteral(" ("), 0, 0);
    connect(action, &QAction::triggered, this,
            [this, label, command = std::move(command)] { runCommand(label, command); });
    return action;
}

void MainWindow::buildMainMenu()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File (Fisiere)"));
    file->menuAction()->setObjectName(QStringLiteral("File1"));
    addItem(file, "Save1", QStringLiteral("&Save (salveaza starea curenta)"),
            QStringLiteral("Salveaza variabilele in formatul propriu Kelmo"), [this] { saveAll(); })
        ->setShortcut(Qt::Key_F2);
    addItem(file, "Open1", QStringLiteral("&Open (incarca stare salvata)"),
            QStringLiteral("Incarca un fisier in format Kelmo"), [this] { loadState(); })
        ->setShortcut(Qt::Key_F3);
    addItem(file, "Import1", QStringLiteral("Import (Incarca variabile)"),
            QStringLiteral("Incarca un fisier intr-un alt format decat cel propriu"),
            [this] { importDsp(); })
        ->setShortcut(Qt::Key_F4);
    addRecentFilesMenu(file);
    file->addSeparator();
    for (const SignalCommands::menuItem& item : SignalCommands::menuItems())
        addItem(file, item.objectName, QString::fromLatin1(item.caption), QString::fromLatin1(item.hint),
                [this, command = item.command] { (signalCommands_.get()->*command)(); });
    file->addSeparator(); // Exit last, apart, as desktop menus have it
    addItem(file, "Exit1", QStringLiteral("E&xit (Iesire)"),
            QStringLiteral("Iesire din program ! - Atentie nu se cere confirmare !"),
            [this] { exitProgram(); });

    buildEditMenu(bar);

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
        const char* name; // the window's name is a function name, so a digit follows it
        const char* expression;
    };
    static const preset presets[] = {
        {"Dirichlet1", "&Dirichlet (Dreptunghiulara)", "Genereaza o fereastra de tip Dirichlet",
         "dirichlet1", "dirichlet(x*2-0.5)"},
        {"Bartlett1", "&Bartlett (Triunghiulara)", "Genereaza o fereastra de tip Bartlett",
         "bartlett1", "bartlett(x)"},
        {"Blackman1", "Blac&kman", "Genereaza o fereastra de tip Blackman", "blackman1",
         "blackman(x)"},
        {"Hamming1", "&Hamming", "Genereaza o fereastra de tip Hamming", "hamming1", "hamming(x)"},
        {"Hanning1", "Ha&nning", "Genereaza o fereastra de tip Hanning", "hanning1", "hanning(x)"},
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
    addItem(special, "PoliSiZerouri1", QStringLiteral("&Poli, zerouri si raspuns H(z)"),
            QStringLiteral("Polii, zerourile si raspunsul in frecventa ale unui raport de polinoame"),
            [this] { showSystem(); });

    // The plain-key shortcuts act while the main window has the keyboard; Enter is both the
    // main and the keypad key.
    variableMenu_ = bar->addMenu(QStringLiteral("Variabila"));
    variableMenu_->menuAction()->setObjectName(QStringLiteral("Variabila1"));
    addItem(variableMenu_, "Vizualizeaza1", QStringLiteral("&Vizualizeaza"), QString(),
            [this] { firstVariableThen([this] { showGraph(); }); })
        ->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    addItem(variableMenu_, "Listeaza1", QStringLiteral("&Listeaza"), QString(),
            [this] { firstVariableThen([this] { showValues(); }); })
        ->setShortcut(Qt::Key_L);
    addItem(variableMenu_, "Sterge1", QStringLiteral("&Sterge"), QString(),
            [this] { firstVariableThen([this] { deleteChosen(); }); })
        ->setShortcut(Qt::Key_Delete);
    struct processingItem {
        const char* objectName;
        const char* caption;
        Qt::Key key;
        processingType type;
    };
    static const processingItem processingItems[] = {
        {"Fourier1", "&Fourier", Qt::Key_F, processingType::fourier},
        {"Corelatie1", "Co&relatie", Qt::Key_R, processingType::correlation},
        {"Convolutie1", "Con&volutie", Qt::Key_V, processingType::convolution},
        {"Ferestruire1", "F&erestruire", Qt::Key_E, processingType::windowing},
    };
    for (const processingItem& p : processingItems)
        addItem(variableMenu_, p.objectName, QString::fromLatin1(p.caption), QString(),
                [this, type = p.type] { firstVariableThen([this, type] { showProcessing(type); }); })
            ->setShortcut(p.key);

    QMenu* help = bar->addMenu(QStringLiteral("&Help (Ajutor)"));
    help->menuAction()->setObjectName(QStringLiteral("Help1"));
    addItem(help, "Manualdeutilizare1", QStringLiteral("&Manual de utilizare"),
            QStringLiteral("Un sumar manual de utilizare"), [this] { showManual(); })
        ->setShortcut(Qt::Key_F1);
    help->addSeparator();
    addItem(help, "About1", QStringLiteral("&About (Despre acest Program)"), QString(),
            [this] { showAbout(); });

    for (QMenu* menu : {file, genereaza, fereastra, special, variableMenu_, help})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
}

void MainWindow::buildPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* view = addItem(popupMenu_, "Vizualizeaza2", QStringLiteral("Vizualizeaza"),
                            QStringLiteral("Vizualizeaza continutul variabilei in forma grafica"),
                            [this] { showGraph(); });
    popupMenu_->setDefaultAction(view);
    addItem(popupMenu_, "Listeaza2", QStringLiteral("Listeaza"),
            QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"),
            [this] { showValues(); });
    popupMenu_->addSeparator();
    QMenu* procesare = popupMenu_->addMenu(QStringLiteral("Procesare"));
    procesare->menuAction()->setObjectName(QStringLiteral("Procesare1"));
    struct processingItem {
        const char* objectName;
        const char* caption;
        const char* hint;
        processingType type;
    };
    using enum processingType;
    static const processingItem firstGroup[] = {
        {"Ferestruire2", "Ferestruire", "Pondereaza variabila cu o functie fereastra", windowing},
        {"AutoCorelatie1", "AutoCorelatie", "Autocorelatia unei functii", autocorrelation},
        {"Fourier2", "Fourier", "", fourier},
        {"Resample1", "Resample", "Schimba numarul de esantioane al unei variabile", resampling},
    };
    static const processingItem secondGroup[] = {
        {"Corelatie2", "Corelatie", "Corelatie intre doua variabile", correlation},
        {"Convolutie2", "Convolutie", "", convolution},
        {"Aduna1", "Aduna", "Aduna doua variabile", sum},
        {"Multiplica1", "Multiplica", "Inmulteste esantion cu esantion doua variabile", product},
    };
    const auto addProcessing = [&](const processingItem& p) {
        addItem(procesare, p.objectName, QString::fromLatin1(p.caption), QString::fromLatin1(p.hint),
                [this, type = p.type] { showProcessing(type); });
    };
    for (const processingItem& p : firstGroup)
        addProcessing(p);
    procesare->addSeparator();
    for (const processingItem& p : secondGroup)
        addProcessing(p);
    procesare->addSeparator();
    addProcessing({"Filtrare1", "Filtrare", "Trece variabila printr-un filtru H(z) = N(z) / D(z)", filter});
    // Hearing the variable: the same item starts and stops the sound.
    auto* player = new SignalPlayer(this);
    player->setObjectName(QStringLiteral("SignalPlayer"));
    QAction* listen = addItem(popupMenu_, "Asculta1", QStringLiteral("Asculta"),
            QStringLiteral("Asculta variabila la frecventa ei de esantionare (8000 Hz daca nu are una)"),
            [this, player] {
                const tdspvarPtr current = strips_->current();
                if (player->playing() || !current)
                    return player->stop();
                if (const QString message = player->play(*current); !message.isEmpty())
                    QMessageBox::warning(this, windowTitle(), message);
            });
    connect(player, &SignalPlayer::playingChanged, listen, [listen](bool playing) {
        listen->setText(playing ? QStringLiteral("Opreste sunetul") : QStringLiteral("Asculta"));
    });
    addItem(popupMenu_, "Sterge2", QStringLiteral("Sterge"),
            QStringLiteral("Sterge o variabila sau mai multe variabile selectate"),
            [this] { deleteChosen(); });
    addItem(popupMenu_, "Salveaza1", QStringLiteral("Salveaza"),
            QStringLiteral("Salveaza o variabila sau mai multe variabile selectate"),
            [this] { saveChosen(); });
    addItem(popupMenu_, "FrecventaEsantionare1", QStringLiteral("Frecventa de esantionare..."),
            QStringLiteral("Stabileste sau sterge frecventa de esantionare a variabilei, in Hz"),
            [this] { setSampleRate(); });

    for (QMenu* menu : {popupMenu_, procesare})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
    // The strips and the space around them have no hint: once the pop-up closes (Escape, a click
    // elsewhere, or before its command runs) the last item's hint goes, as the main menu's does.
    connect(popupMenu_, &QMenu::aboutToHide, this, [this] { showHint(QString()); });
}
