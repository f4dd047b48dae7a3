// The main window's menus: the main menu bar and the pop-up menu that every strip carries, with
// their captions, shortcuts and status-bar hints, each item bound to a command of MainWindow.
// Every item carries the name the program's texts give it (Save1, Vizualizeaza2 ...) as its
// objectName.
#include "ui/mainwindow.h"

#include "dsp/operations.h"
#include "ui/language.h"
#include "ui/signalcommands.h"
#include "ui/signalplayer.h"
#include "ui/striplist.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

QAction* MainWindow::addItem(QMenu* menu, const char* objectName, const char* caption, const char* hint,
                             std::function<void()> command)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(objectName));
    texts_.text(action, caption);
    if (hint != nullptr && *hint != '\0')
        texts_.bind(hint, [action](const QString& t) { action->setStatusTip(t); });
    // A command that fails (out of memory, say) ends in the error box; the program goes on. The
    // undo step is named after the item's source caption, so that the Editare menu names it in
    // whatever language is chosen later (see stepLabel).
    itemCaptions_.insert(caption);
    connect(action, &QAction::triggered, this, [this, caption, command = std::move(command)] {
        runCommand(QString::fromUtf8(caption), command);
    });
    return action;
}

QMenu* MainWindow::addMenu(QWidget* parent, const char* objectName, const char* caption)
{
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        menu = bar->addMenu(QString());
    else
        menu = static_cast<QMenu*>(parent)->addMenu(QString());
    menu->menuAction()->setObjectName(QString::fromLatin1(objectName));
    texts_.bind(caption, [menu](const QString& t) { menu->setTitle(t); });
    return menu;
}

void MainWindow::buildMainMenu()
{
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "File1", QT_TR_NOOP("&File (Fisiere)"));
    addItem(file, "Save1", kSaveCaption,
            QT_TR_NOOP("Salveaza variabilele in formatul propriu Kelmo"), [this] { saveAll(); })
        ->setShortcut(Qt::Key_F2);
    addItem(file, "Open1", QT_TR_NOOP("&Open (incarca stare salvata)"),
            QT_TR_NOOP("Incarca un fisier in format Kelmo"), [this] { loadState(); })
        ->setShortcut(Qt::Key_F3);
    addItem(file, "Import1", QT_TR_NOOP("Import (Incarca variabile)"),
            QT_TR_NOOP("Incarca un fisier intr-un alt format decat cel propriu"),
            [this] { importDsp(); })
        ->setShortcut(Qt::Key_F4);
    addRecentFilesMenu(file);
    file->addSeparator();
    for (const SignalCommands::menuItem& item : SignalCommands::menuItems())
        addItem(file, item.objectName, item.caption, item.hint,
                [this, command = item.command] { (signalCommands_.get()->*command)(); });
    file->addSeparator(); // Exit last, apart, as desktop menus have it
    addItem(file, "Exit1", QT_TR_NOOP("E&xit (Iesire)"),
            QT_TR_NOOP("Iesire din program ! - Atentie nu se cere confirmare !"),
            [this] { exitProgram(); });

    buildEditMenu(bar);

    QMenu* genereaza = addMenu(bar, "Genereaza1", QT_TR_NOOP("&Genereaza"));
    addItem(genereaza, "Functie1", QT_TR_NOOP("&Functie"),
            QT_TR_NOOP("Genereaza o noua variabila"),
            [this] { generate(QStringLiteral("name"), QStringLiteral("sin(x*pi*2)")); })
        ->setShortcut(Qt::Key_Insert);
    QMenu* fereastra = addMenu(genereaza, "Fereastra1", QT_TR_NOOP("F&ereastra"));
    struct preset {
        const char* objectName;
        const char* caption;
        const char* hint;
        const char* name; // the window's name is a function name, so a digit follows it
        const char* expression;
    };
    static const preset presets[] = {
        {"Dirichlet1", QT_TR_NOOP("&Dirichlet (Dreptunghiulara)"), QT_TR_NOOP("Genereaza o fereastra de tip Dirichlet"),
         "dirichlet1", "dirichlet(x*2-0.5)"},
        {"Bartlett1", QT_TR_NOOP("&Bartlett (Triunghiulara)"), QT_TR_NOOP("Genereaza o fereastra de tip Bartlett"),
         "bartlett1", "bartlett(x)"},
        {"Blackman1", QT_TR_NOOP("Blac&kman"), QT_TR_NOOP("Genereaza o fereastra de tip Blackman"), "blackman1",
         "blackman(x)"},
        {"Hamming1", QT_TR_NOOP("&Hamming"), QT_TR_NOOP("Genereaza o fereastra de tip Hamming"), "hamming1", "hamming(x)"},
        {"Hanning1", QT_TR_NOOP("Ha&nning"), QT_TR_NOOP("Genereaza o fereastra de tip Hanning"), "hanning1", "hanning(x)"},
    };
    for (const preset& p : presets)
        addItem(fereastra, p.objectName, p.caption, p.hint,
                [this, p] { generate(QString::fromLatin1(p.name), QString::fromLatin1(p.expression)); });
    QMenu* special = addMenu(genereaza, "Special1", QT_TR_NOOP("Special"));
    addItem(special, "TransformataZinversa1", QT_TR_NOOP("Transformata &Z inversa"),
            QT_TR_NOOP("Transformata Z inversa a unui raport de polinoame"),
            [this] { showInverseZ(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addItem(special, "PoliSiZerouri1", QT_TR_NOOP("&Poli, zerouri si raspuns H(z)"),
            QT_TR_NOOP("Polii, zerourile si raspunsul in frecventa ale unui raport de polinoame"),
            [this] { showSystem(); });

    // The plain-key shortcuts act while the main window has the keyboard; Enter is both the
    // main and the keypad key.
    variableMenu_ = addMenu(bar, "Variabila1", QT_TR_NOOP("Variabila"));
    addItem(variableMenu_, "Vizualizeaza1", QT_TR_NOOP("&Vizualizeaza"), nullptr,
            [this] { firstVariableThen([this] { showGraph(); }); })
        ->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    addItem(variableMenu_, "Listeaza1", QT_TR_NOOP("&Listeaza"), nullptr,
            [this] { firstVariableThen([this] { showValues(); }); })
        ->setShortcut(Qt::Key_L);
    addItem(variableMenu_, "Sterge1", QT_TR_NOOP("&Sterge"), nullptr,
            [this] { firstVariableThen([this] { deleteChosen(); }); })
        ->setShortcut(Qt::Key_Delete);
    struct processingItem {
        const char* objectName;
        const char* caption;
        Qt::Key key;
        processingType type;
    };
    static const processingItem processingItems[] = {
        {"Fourier1", QT_TR_NOOP("&Fourier"), Qt::Key_F, processingType::fourier},
        {"Corelatie1", QT_TR_NOOP("Co&relatie"), Qt::Key_R, processingType::correlation},
        {"Convolutie1", QT_TR_NOOP("Con&volutie"), Qt::Key_V, processingType::convolution},
        {"Ferestruire1", QT_TR_NOOP("F&erestruire"), Qt::Key_E, processingType::windowing},
    };
    for (const processingItem& p : processingItems)
        addItem(variableMenu_, p.objectName, p.caption, nullptr,
                [this, type = p.type] { firstVariableThen([this, type] { showProcessing(type); }); })
            ->setShortcut(p.key);

    QMenu* help = addMenu(bar, "Help1", QT_TR_NOOP("&Help (Ajutor)"));
    addItem(help, "Manualdeutilizare1", QT_TR_NOOP("&Manual de utilizare"),
            QT_TR_NOOP("Un sumar manual de utilizare"), [this] { showManual(); })
        ->setShortcut(Qt::Key_F1);
    help->addSeparator();
    addItem(help, "About1", QT_TR_NOOP("&About (Despre acest Program)"), nullptr,
            [this] { showAbout(); });
    buildLanguageMenu(help);

    for (QMenu* menu : {file, genereaza, fereastra, special, variableMenu_, help})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
}

void MainWindow::buildLanguageMenu(QMenu* help)
{
    // The menu and the languages are named the same in every language, so that anyone finds them.
    QMenu* menu = help->addMenu(QStringLiteral("&Limba / Language"));
    menu->menuAction()->setObjectName(QStringLiteral("Limba1"));
    texts_.bind(QT_TR_NOOP("Alege limba in care vorbeste programul"),
                [menu](const QString& t) { menu->menuAction()->setStatusTip(t); });
    struct languageItem {
        const char* objectName;
        const char* caption;
        interfaceLanguage language;
    };
    static const languageItem items[] = {
        {"Romana1", "&Romana", interfaceLanguage::romanian},
        {"English1", "&English", interfaceLanguage::english},
    };
    auto* group = new QActionGroup(menu);
    for (const languageItem& item : items) {
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setCheckable(true);
        action->setChecked(languages_->current() == item.language);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = item.language] { languages_->choose(language); });
        connect(languages_, &LanguageSwitch::changed, action,
                [action, language = item.language](interfaceLanguage now) { action->setChecked(now == language); });
    }
}

void MainWindow::buildPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* view = addItem(popupMenu_, "Vizualizeaza2", QT_TR_NOOP("Vizualizeaza"),
                            QT_TR_NOOP("Vizualizeaza continutul variabilei in forma grafica"),
                            [this] { showGraph(); });
    popupMenu_->setDefaultAction(view);
    addItem(popupMenu_, "Listeaza2", QT_TR_NOOP("Listeaza"),
            QT_TR_NOOP("Afiseaza continutul variabilei sub forma de tabel"),
            [this] { showValues(); });
    popupMenu_->addSeparator();
    QMenu* procesare = addMenu(popupMenu_, "Procesare1", QT_TR_NOOP("Procesare"));
    struct processingItem {
        const char* objectName;
        const char* caption;
        const char* hint;
        processingType type;
    };
    using enum processingType;
    static const processingItem firstGroup[] = {
        {"Ferestruire2", QT_TR_NOOP("Ferestruire"), QT_TR_NOOP("Pondereaza variabila cu o functie fereastra"), windowing},
        {"AutoCorelatie1", QT_TR_NOOP("AutoCorelatie"), QT_TR_NOOP("Autocorelatia unei functii"), autocorrelation},
        {"Fourier2", QT_TR_NOOP("Fourier"), "", fourier},
        {"Resample1", QT_TR_NOOP("Resample"), QT_TR_NOOP("Schimba numarul de esantioane al unei variabile"), resampling},
    };
    static const processingItem secondGroup[] = {
        {"Corelatie2", QT_TR_NOOP("Corelatie"), QT_TR_NOOP("Corelatie intre doua variabile"), correlation},
        {"Convolutie2", QT_TR_NOOP("Convolutie"), "", convolution},
        {"Aduna1", QT_TR_NOOP("Aduna"), QT_TR_NOOP("Aduna doua variabile"), sum},
        {"Multiplica1", QT_TR_NOOP("Multiplica"), QT_TR_NOOP("Inmulteste esantion cu esantion doua variabile"), product},
    };
    const auto addProcessing = [&](const processingItem& p) {
        addItem(procesare, p.objectName, p.caption, p.hint,
                [this, type = p.type] { showProcessing(type); });
    };
    for (const processingItem& p : firstGroup)
        addProcessing(p);
    procesare->addSeparator();
    for (const processingItem& p : secondGroup)
        addProcessing(p);
    procesare->addSeparator();
    addProcessing({"Filtrare1", QT_TR_NOOP("Filtrare"), QT_TR_NOOP("Trece variabila printr-un filtru H(z) = N(z) / D(z)"), filter});
    // Hearing the variable: the same item starts and stops the sound.
    auto* player = new SignalPlayer(this);
    player->setObjectName(QStringLiteral("SignalPlayer"));
    QAction* listen = addItem(popupMenu_, "Asculta1", QT_TR_NOOP("Asculta"),
            QT_TR_NOOP("Asculta variabila la frecventa ei de esantionare (8000 Hz daca nu are una)"),
            [this, player] {
                const tdspvarPtr current = strips_->current();
                if (player->playing() || !current)
                    return player->stop();
                if (const QString message = player->play(*current); !message.isEmpty())
                    QMessageBox::warning(this, windowTitle(), message);
            });
    connect(player, &SignalPlayer::playingChanged, listen, [listen](bool playing) {
        listen->setText(playing ? tr("Opreste sunetul") : tr("Asculta"));
    });
    texts_.onChange([listen, player] { listen->setText(player->playing() ? tr("Opreste sunetul") : tr("Asculta")); });
    addItem(popupMenu_, "Sterge2", QT_TR_NOOP("Sterge"),
            QT_TR_NOOP("Sterge o variabila sau mai multe variabile selectate"),
            [this] { deleteChosen(); });
    addItem(popupMenu_, "Salveaza1", QT_TR_NOOP("Salveaza"),
            QT_TR_NOOP("Salveaza o variabila sau mai multe variabile selectate"),
            [this] { saveChosen(); });
    addItem(popupMenu_, "FrecventaEsantionare1", QT_TR_NOOP("Frecventa de esantionare..."),
            QT_TR_NOOP("Stabileste sau sterge frecventa de esantionare a variabilei, in Hz"),
            [this] { setSampleRate(); });

    for (QMenu* menu : {popupMenu_, procesare})
        connect(menu, &QMenu::hovered, this, [this](QAction* a) { showHint(a->statusTip()); });
    // The strips and the space around them have no hint: once the pop-up closes (Escape, a click
    // elsewhere, or before its command runs) the last item's hint goes, as the main menu's does.
    connect(popupMenu_, &QMenu::aboutToHide, this, [this] { showHint(QString()); });
}
