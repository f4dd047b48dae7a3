// The main window: menu state, shortcuts and command dispatch, status-bar hints, the strip column
// and selection by clicking.
#include "mainwindow_fixture.h"

#include "ui/aboutdialog.h"
#include "ui/application.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "ui/helpwindow.h"
#include "ui/inversezwindow.h"
#include "ui/processingdialog.h"
#include "ui/selectiondialog.h"
#include "ui/valuetable.h"
#include "ui/variablestrip.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <new>
#include <stdexcept>

using namespace uitest::controls;

using uitest::MainWindowTest;
using uitest::whenModal;

namespace {

QAction* item(MainWindow& mainWindow, const char* name)
{
    QAction* a = mainWindow.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

// A dialog as it came up: the window, its caption, and the items of its operand list (the
// processing dialog's ComboBox2), joined by bars.
struct openedDialog {
    QWidget* window = nullptr;
    QString caption;
    QString operands;
};

openedDialog seenNow(QWidget* modal)
{
    openedDialog seen{modal, modal ? modal->windowTitle() : QString(), {}};
    if (auto* processing = qobject_cast<ProcessingDialog*>(modal))
        for (int i = 0; i < ComboBox2(*processing)->count(); ++i)
            seen.operands += (i ? QStringLiteral("|") : QString()) + ComboBox2(*processing)->itemText(i);
    return seen;
}

// The dialog a key opens on the main window (no window when the key does nothing).
openedDialog dialogOpenedByKey(MainWindow& mainWindow, QKeyCombination key)
{
    // Closing a dialog does not give the keyboard back on the offscreen platform.
    mainWindow.activateWindow();
    EXPECT_TRUE(uitest::waitUntil([&] {
        return QApplication::activeWindow() == &mainWindow && QGuiApplication::focusWindow() == mainWindow.windowHandle();
    }));
    openedDialog seen;
    whenModal([&](QWidget* modal) { seen = seenNow(modal); });
    QTest::keyClick(&mainWindow, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
    return seen;
}

} // namespace

TEST_F(MainWindowTest, VariabilaMenuFollowsTheWorkspace)
{
    const auto enabledItems = [&] {
        int n = 0;
        for (QAction* a : variabilaMenu()->actions())
            n += a->isEnabled();
        return n;
    };
    EXPECT_FALSE(variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 0);
    // Its shortcuts are inert while the workspace is empty.
    for (QKeyCombination key : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                                QKeyCombination(Qt::Key_L), QKeyCombination(Qt::Key_Delete),
                                QKeyCombination(Qt::Key_F), QKeyCombination(Qt::Key_R),
                                QKeyCombination(Qt::Key_V), QKeyCombination(Qt::Key_E)})
        EXPECT_EQ(dialogOpenedByKey(*mainWindow, key).window, nullptr) << key.key();
    EXPECT_EQ(strips().current().get(), nullptr);

    const tdspvarPtr a = addVariable("A");
    EXPECT_TRUE(variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 7);
    workspace().removeVariable(a);
    EXPECT_FALSE(variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 0);
    addVariable("B");
    EXPECT_TRUE(variabilaMenu()->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, ShortcutsReachTheirDialogs)
{
    const tdspvarPtr older = addVariable("OLD");
    const tdspvarPtr newer = addVariable("NEW");
    struct expectation {
        QKeyCombination key;
        QWidget* dialog;
        const char* caption;  // the processing dialog's tells the processing type
        const char* operands; // the processing dialog's operand list
        bool firstVariable;   // a Variabila command: runs on the oldest variable
    };
    const char* const windows = "Dirichlet|Bartlett|Hamming|Hanning|Blackman";
    const expectation table[] = {
        {QKeyCombination(Qt::Key_Return), &window<GraphWindow>(), "Grafic", "", true},
        {QKeyCombination(Qt::Key_Enter), &window<GraphWindow>(), "Grafic", "", true},
        {QKeyCombination(Qt::Key_L), &window<ValueTableDialog>(), "Variable Values", "", true},
        {QKeyCombination(Qt::Key_F), &window<ProcessingDialog>(), "Transformata Fourier", "Directa|Inversa", true},
        {QKeyCombination(Qt::Key_R), &window<ProcessingDialog>(), "Corelatie", "old|new", true},
        {QKeyCombination(Qt::Key_V), &window<ProcessingDialog>(), "Convolutie", "old|new", true},
        {QKeyCombination(Qt::Key_E), &window<ProcessingDialog>(), "Ferestruire", windows, true},
        {QKeyCombination(Qt::Key_Insert), &window<GenerateDialog>(), "Generare Functie", "", false},
        {QKeyCombination(Qt::CTRL | Qt::Key_Z), &window<InverseZWindow>(), "Transformata z inversa", "", false},
        {QKeyCombination(Qt::Key_F1), &window<HelpWindow>(), "Ajutor pentru programul Kelmo", "", false},
        {QKeyCombination(Qt::Key_F2), &window<SelectionDialog>(), "Salveaza starea curenta", "", false},
    };
    for (const expectation& e : table) {
        strips().setCurrent(newer);
        const openedDialog opened = dialogOpenedByKey(*mainWindow, e.key);
        EXPECT_EQ(opened.window, e.dialog) << e.key.key();
        EXPECT_EQ(opened.caption, QString::fromLatin1(e.caption)) << e.key.key();
        EXPECT_EQ(opened.operands, QString::fromLatin1(e.operands)) << e.key.key();
        EXPECT_EQ(strips().current()->name(), e.firstVariable ? "OLD" : "NEW") << e.key.key();
    }
}

TEST_F(MainWindowTest, DeleteKeyOpensDeleteWithChoiceForTheOlderVariable)
{
    addVariable("Older");
    addVariable("NEWER");
    SelectionDialog* dialog = &window<SelectionDialog>();
    QString windowCaption;
    QString optionCaption;
    bool optionChosen = false;
    whenModal([&](QWidget* modal) {
        EXPECT_EQ(modal, dialog);
        windowCaption = dialog->windowTitle();
        optionCaption = RadioButton3(*dialog)->text();
        optionChosen = RadioButton3(*dialog)->isChecked();
    });
    QTest::keyClick(mainWindow.get(), Qt::Key_Delete);
    EXPECT_EQ(windowCaption, QStringLiteral("Sterge variabile"));
    EXPECT_EQ(strips().current()->name(), "Older");
    EXPECT_EQ(optionCaption, QStringLiteral("Variabila pe care s-a dat click (Older)"));
    EXPECT_TRUE(optionChosen);
    EXPECT_EQ(RadioButton3(*dialog)->text(), QStringLiteral("Numai variabila pe care s-a dat click"));
}

TEST_F(MainWindowTest, PopupActsOnTheStripItWasOpenedOn)
{
    addVariable("A");
    const tdspvarPtr b = addVariable("B");
    VariableStrip* strip = stripOf(b);
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), strip->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(strip, &open);
    EXPECT_EQ(strips().current().get(), b.get());
    EXPECT_TRUE(popupMenu()->isVisible());
    EXPECT_EQ(popupMenu()->defaultAction(), item(*mainWindow, "Vizualizeaza2"));
    popupMenu()->close();

    openedDialog seen;
    whenModal([&](QWidget* modal) { seen = seenNow(modal); });
    item(*mainWindow, "Fourier2")->trigger();
    EXPECT_EQ(seen.window, &window<ProcessingDialog>());
    EXPECT_EQ(seen.caption, QStringLiteral("Transformata Fourier"));
    EXPECT_EQ(strips().current().get(), b.get());

    // Save with choice: save mode, and the option caption is put back afterwards.
    whenModal([&](QWidget* modal) { seen = seenNow(modal); });
    item(*mainWindow, "Salveaza1")->trigger();
    EXPECT_EQ(seen.window, &window<SelectionDialog>());
    EXPECT_EQ(seen.caption, QStringLiteral("Salveaza starea curenta"));
    EXPECT_EQ(RadioButton3(window<SelectionDialog>())->text(), QStringLiteral("Numai variabila pe care s-a dat click"));
}

TEST_F(MainWindowTest, StatusBarShowsTheLongPartOfTheHint)
{
    QMenu* popup = popupMenu();
    popup->popup(mainWindow->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(uitest::windowExposed(popup));
    const auto hover = [&](const char* name) {
        QTest::mouseMove(popup, popup->actionGeometry(item(*mainWindow, name)).center());
        QCoreApplication::processEvents();
        return mainWindow->statusBar()->currentMessage();
    };
    EXPECT_EQ(hover("Listeaza2"), QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"));
    EXPECT_EQ(hover("Sterge2"), QStringLiteral("Sterge o variabila sau mai multe variabile selectate"));
    EXPECT_EQ(hover("FrecventaEsantionare1"),
              QStringLiteral("Stabileste sau sterge frecventa de esantionare a variabilei, in Hz"));
    // Closing the pop-up, by Escape or by running an item's command, takes its hint away.
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(), QString());
    addVariable("V");
    popup->popup(mainWindow->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(uitest::windowExposed(popup));
    EXPECT_EQ(hover("Listeaza2"), QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"));
    QString duringCommand = QStringLiteral("not run");
    whenModal([&](QWidget*) { duringCommand = mainWindow->statusBar()->currentMessage(); });
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(duringCommand, QString());
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(), QString());

    mainWindow->showHint(QStringLiteral("short|long part|more"));
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(), QStringLiteral("long part|more"));
    // An item without a hint clears the bar.
    QMenu* variabila = variabilaMenu();
    addVariable("A");
    mainWindow->menuBar()->setActiveAction(variabila->menuAction());
    ASSERT_TRUE(uitest::windowExposed(variabila));
    QTest::mouseMove(variabila, variabila->actionGeometry(item(*mainWindow, "Listeaza1")).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(), QString());
    variabila->close();
}

TEST_F(MainWindowTest, StripsStackWithoutGapsAndFollowTheWidth)
{
    const tdspvarPtr a = addVariable("A");
    const tdspvarPtr b = addVariable("B");
    const tdspvarPtr c = addVariable("C");
    const auto top = [&](const tdspvarPtr& v) { return stripOf(v)->geometry().top(); };
    EXPECT_EQ(top(a), 1);
    EXPECT_EQ(top(b), 34);
    EXPECT_EQ(top(c), 67);
    workspace().removeVariable(b);
    EXPECT_EQ(stripOf(b), nullptr);
    EXPECT_EQ(top(a), 1);
    EXPECT_EQ(top(c), 34);
    const tdspvarPtr d = addVariable("D");
    EXPECT_EQ(top(d), 67);

    // The scroll box takes the client area above the 19-pixel status bar at any window size, one
    // pixel short on the right, and the strips follow its width.
    VariableStrip* strip = stripOf(a);
    auto* scrollBox = uitest::child<QScrollArea>(*mainWindow, "ScrollBox1");
    for (const QSize size : {QSize(534, 337), QSize(700, 500), QSize(100, 50)}) {
        mainWindow->resize(size.width(), size.height() + mainWindow->menuBar()->height());
        QCoreApplication::processEvents();
        const QSize client(std::max(size.width(), 320), mainWindow->height() - mainWindow->menuBar()->height());
        EXPECT_EQ(mainWindow->width(), client.width()) << "no narrower than 320";
        EXPECT_EQ(mainWindow->statusBar()->height(), 19);
        EXPECT_EQ(scrollBox->size(), QSize(client.width() - 1, client.height() - 19)) << size.width();
        EXPECT_EQ(strip->x(), 1);
        EXPECT_EQ(strip->width(), scrollBox->viewport()->width() - 2) << size.width();
        EXPECT_EQ(strip->height(), 32);
    }
    EXPECT_GE(mainWindow->height(), 100); // the window no lower than 100
}

TEST_F(MainWindowTest, ClicksToggleSelectionAndRepaint)
{
    const tdspvarPtr v = addVariable("SEL");
    VariableStrip* strip = stripOf(v);
    // Through the window, as the window system delivers them: the toolkit makes the double click.
    QWindow* window = mainWindow->windowHandle();
    const QPoint inside = strip->mapTo(mainWindow.get(), QPoint(20, 20));
    const QPoint fillPixel(strip->width() - 140, 28);
    QTest::mouseClick(window, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(stripOf(v)->isSelected());
    EXPECT_EQ(strip->grab().toImage().pixel(fillPixel), qRgb(0, 128, 128));
    QTest::mouseClick(window, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(stripOf(v)->isSelected());
    EXPECT_NE(strip->grab().toImage().pixel(fillPixel), qRgb(0, 128, 128));
    // A double click toggles once: its second click is not a click.
    QTest::mouseDClick(window, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(stripOf(v)->isSelected());
    // The right button opens the pop-up and does not select.
    QTest::mouseClick(window, Qt::RightButton, {}, inside);
    EXPECT_TRUE(stripOf(v)->isSelected());
    popupMenu()->close();
    // A press that ends outside the strip is no click.
    QTest::mousePress(window, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(window, Qt::LeftButton, {}, strip->mapTo(mainWindow.get(), QPoint(20, 40)));
    EXPECT_TRUE(stripOf(v)->isSelected());
}

TEST_F(MainWindowTest, StripPaintsFrameAndThumbnailInPlace)
{
    const tdspvarPtr v = addVariable("LOOK", {0, 0, 0});
    ASSERT_TRUE(waitForThumbnails());
    VariableStrip* strip = stripOf(v);
    const QImage shot = strip->grab().toImage();
    const int w = strip->width();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(w - 1, 31), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(w - 130, 2), qRgb(0, 128, 0));   // the grid's corner
    EXPECT_EQ(shot.pixel(w - 130 + 4, 2 + 4), qRgb(0, 0, 0)); // inside the first grid cell
    EXPECT_EQ(shot.pixel(w - 131, 2), mainWindow->palette().color(QPalette::Button).rgb());
    EXPECT_EQ(shot.pixel(w - 2, 2), shot.pixel(w - 131, 2)); // two pixels of fill and frame after it
}

TEST_F(MainWindowTest, EveryWindowAndControlCarriesItsName)
{
    struct named {
        const char* window;
        std::vector<const char*> controls;
    };
    const named windows[] = {
        {"TForm2", {"Label1", "Edit1", "Label2", "Edit2", "Label3", "SpinEdit1", "Gauge1", "Memo1",
                    "RadioGroup1", "RadioGroup2", "Button1", "Button2", "tBmpLnk1", "Timer1"}},
        {"TForm3", {"StringGrid1"}},
        {"TForm4", {"Label1", "Edit1", "Button1", "Button2", "Button3", "Button4"}},
        {"TForm5", {"Label1", "ComboBox1", "Label2", "ComboBox2", "Label3", "SpinEdit1", "RadioGroup1",
                    "Edit1", "tBmpLnk1", "Button1", "Button2"}},
        {"TForm6", {}},
        {"TForm7", {"ComboBox1", "PaintBox1"}},
        {"TForm8", {"RadioGroup1", "RadioButton1", "RadioButton2", "RadioButton3", "CheckListBox1",
                    "Button1", "Button2"}},
        {"TForm9", {"Label1", "ComboBox1", "CheckBox1", "ComboBox2", "Memo1", "Label2", "SpeedButton3",
                    "Label3", "SpeedButton1", "Label4", "SpeedButton2", "tBmpLnk1"}},
        {"TForm10", {"Label1", "Label2", "Label3", "Edit1", "Edit2", "Bevel1", "Button1", "Button2",
                     "StringGrid1", "PopupMenu1"}},
    };
    EXPECT_EQ(mainWindow->objectName(), QStringLiteral("TForm1"));
    for (const char* control : {"ScrollBox1", "StatusBar1", "PopupMenu1", "Variabila1", "Save1"})
        EXPECT_NE(mainWindow->findChild<QObject*>(QString::fromLatin1(control)), nullptr) << control;
    for (const named& w : windows) {
        const auto* window =
            mainWindow->findChild<QDialog*>(QString::fromLatin1(w.window), Qt::FindDirectChildrenOnly);
        ASSERT_NE(window, nullptr) << w.window;
        for (const char* control : w.controls)
            EXPECT_NE(window->findChild<QObject*>(QString::fromLatin1(control)), nullptr)
                << w.window << " " << control;
    }
}

TEST_F(MainWindowTest, AboutBoxLeavesItsCaptionRoomInTheTitleBar)
{
    // A window manager writes the caption in a bold font, often larger than the program's, beside
    // the window's icon and three buttons; the About box is wide enough for all of it.
    AboutDialog* about = &window<AboutDialog>();
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPixelSize(QFontInfo(QApplication::font()).pixelSize() * 6 / 5);
    const int caption = QFontMetrics(titleFont).horizontalAdvance(about->windowTitle());
    constexpr int kIconAndButtons = 4 * 32;
    EXPECT_GE(about->width(), caption + kIconAndButtons) << caption;
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About (Despre acest program)"));
}

TEST_F(MainWindowTest, AnExceptionThatEscapesAHandlerEndsInTheErrorBox)
{
    // Running out of memory, or any other failure, in a command or a handler: the error box says
    // so, and the program goes on with its workspace.
    const tdspvarPtr a = addVariable("A");
    QStringList boxes;
    const auto fail = [&](std::function<void()> thrower) {
        QTimer::singleShot(0, mainWindow.get(), std::move(thrower));
        whenModal([&](QWidget* modal) { // acts inside the box that the thrower brings up
            auto* message = qobject_cast<QMessageBox*>(modal);
            boxes << (message ? message->windowTitle() + QStringLiteral(": ") + message->text()
                              : QStringLiteral("no message box"));
        });
        QTest::qWait(50);
    };
    fail([] { throw std::bad_alloc(); });
    fail([] { throw std::runtime_error("Disk on fire"); });
    EXPECT_EQ(boxes, QStringList({QStringLiteral("Kelmo: Not enough memory"), QStringLiteral("Kelmo: Disk on fire")}));
    QString direct;
    whenModal([&](QWidget* modal) { direct = qobject_cast<QMessageBox*>(modal)->text(); });
    EXPECT_FALSE(runGuarded([] { throw std::length_error("Too long"); }));
    EXPECT_EQ(direct, QStringLiteral("Too long"));
    EXPECT_EQ(workspace().variableCount(), 1);
    EXPECT_EQ(workspace().variables()[0], a);
    // The next command still runs.
    QWidget* opened = nullptr;
    whenModal([&](QWidget* modal) { opened = modal; });
    item(*mainWindow, "Save1")->trigger();
    EXPECT_EQ(opened, &window<SelectionDialog>());
}

TEST_F(MainWindowTest, GenerationPresetsProposeNamesTheWorkspaceAcceptsAndOkCreatesThem)
{
    // Insert, and the five windows, whose own names are function names.
    const struct {
        const char *item, *name, *expression; // item none: the Insert key
    } presets[] = {{nullptr, "name", "sin(x*pi*2)"},
                   {"Dirichlet1", "dirichlet1", "dirichlet(x*2-0.5)"},
                   {"Bartlett1", "bartlett1", "bartlett(x)"},
                   {"Blackman1", "blackman1", "blackman(x)"},
                   {"Hamming1", "hamming1", "hamming(x)"},
                   {"Hanning1", "hanning1", "hanning(x)"}};
    for (const auto& preset : presets) {
        QString name, expression;
        uitest::whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<GenerateDialog*>(modal);
            ASSERT_TRUE(dialog);
            name = Edit1(*dialog)->text();
            expression = Edit2(*dialog)->text();
            // A refused name would open the name correction over this dialog.
            ASSERT_EQ(workspace().refusalOf(name.toStdString()), nameRefusal::none) << preset.name;
            ASSERT_TRUE(uitest::waitUntil([&] { return Button2(*dialog)->isEnabled(); }));
            Button2(*dialog)->click();
        });
        if (preset.item)
            item(*mainWindow, preset.item)->trigger();
        else
            QTest::keyClick(mainWindow.get(), Qt::Key_Insert);
        EXPECT_EQ(name, preset.name);
        EXPECT_EQ(expression, preset.expression);
        EXPECT_TRUE(workspace().findVariable(preset.name)) << preset.name;
    }
    const tdspvarPtr v = workspace().findVariable("NAME");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->description(), "sin(x*pi*2)");
    ASSERT_EQ(v->sampleCount(), 128);
    EXPECT_EQ(v->real()[0], 0);
    EXPECT_NEAR(static_cast<double>(v->real()[32]), 1, 1e-18);
    EXPECT_TRUE(waitForThumbnails());
}
