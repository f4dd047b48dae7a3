// The main window: menu state, shortcuts and command dispatch, status-bar hints, the strip column
// and selection by clicking.
#include "mainwindow_fixture.h"

#include "ui/aboutdialog.h"
#include "ui/application.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "ui/helpwindow.h"
#include "ui/valuetable.h"
#include "ui/processingdialog.h"
#include "ui/selectiondialog.h"
#include "ui/variablestrip.h"
#include "ui/inversezwindow.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <new>
#include <stdexcept>

using uitest::MainWindowTest;
using uitest::whenModal;

namespace {

QAction* item(MainWindow& form, const char* name)
{
    QAction* a = form.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

// The dialog a key opens on the main window, or nullptr when the key does nothing.
QWidget* dialogOpenedByKey(MainWindow& form, QKeyCombination key)
{
    // Closing a dialog does not give the keyboard back on the offscreen platform.
    form.activateWindow();
    EXPECT_TRUE(uitest::waitUntil([&] {
        return QApplication::activeWindow() == &form && QGuiApplication::focusWindow() == form.windowHandle();
    }));
    QWidget* seen = nullptr;
    whenModal([&](QWidget* modal) { seen = modal; });
    QTest::keyClick(&form, key.key(), key.keyboardModifiers());
    QCoreApplication::processEvents();
    return seen;
}

} // namespace

TEST_F(MainWindowTest, VariabilaMenuFollowsTheWorkspace)
{
    const auto enabledItems = [&] {
        int n = 0;
        for (QAction* a : form->variabilaMenu()->actions())
            n += a->isEnabled();
        return n;
    };
    EXPECT_FALSE(form->variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 0);
    // Its shortcuts are inert while the workspace is empty.
    for (QKeyCombination key : {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter),
                                QKeyCombination(Qt::Key_L), QKeyCombination(Qt::Key_Delete),
                                QKeyCombination(Qt::Key_F), QKeyCombination(Qt::Key_R),
                                QKeyCombination(Qt::Key_V), QKeyCombination(Qt::Key_E)})
        EXPECT_EQ(dialogOpenedByKey(*form, key), nullptr) << key.key();
    EXPECT_EQ(workspace().currentVariable().get(), nullptr);

    const tdspvarPtr a = addVariable("A");
    EXPECT_TRUE(form->variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 7);
    workspace().removeVariable(a);
    EXPECT_FALSE(form->variabilaMenu()->menuAction()->isEnabled());
    EXPECT_EQ(enabledItems(), 0);
    addVariable("B");
    EXPECT_TRUE(form->variabilaMenu()->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, ShortcutsReachTheirDialogs)
{
    const tdspvarPtr older = addVariable("OLD");
    const tdspvarPtr newer = addVariable("NEW");
    struct expectation {
        QKeyCombination key;
        QWidget* dialog;
        int processingType; // 0: not a processing command
        bool firstVariable; // a Variabila command: runs on the oldest variable
    };
    const expectation table[] = {
        {QKeyCombination(Qt::Key_Return), form->form9(), 0, true},
        {QKeyCombination(Qt::Key_Enter), form->form9(), 0, true},
        {QKeyCombination(Qt::Key_L), form->form3(), 0, true},
        {QKeyCombination(Qt::Key_F), form->form5(), 7, true},
        {QKeyCombination(Qt::Key_R), form->form5(), 4, true},
        {QKeyCombination(Qt::Key_V), form->form5(), 8, true},
        {QKeyCombination(Qt::Key_E), form->form5(), 1, true},
        {QKeyCombination(Qt::Key_Insert), form->form2(), 0, false},
        {QKeyCombination(Qt::CTRL | Qt::Key_Z), form->form10(), 0, false},
        {QKeyCombination(Qt::Key_F1), form->form7(), 0, false},
        {QKeyCombination(Qt::Key_F2), form->form8(), 0, false},
    };
    for (const expectation& e : table) {
        workspace().setCurrentVariable(newer);
        QWidget* opened = dialogOpenedByKey(*form, e.key);
        EXPECT_EQ(opened, e.dialog) << e.key.key();
        if (e.processingType) {
            EXPECT_EQ(form->form5()->processingType(), e.processingType) << e.key.key();
        }
        EXPECT_EQ(workspace().currentVariable()->name, e.firstVariable ? "OLD" : "NEW") << e.key.key();
    }
    EXPECT_EQ(form->form8()->mode(), 0); // F2 is Save all
}

TEST_F(MainWindowTest, DeleteKeyOpensDeleteWithChoiceForTheOlderVariable)
{
    addVariable("Older");
    addVariable("NEWER");
    SelectionDialog* dialog = form->form8();
    int modeSeen = -1;
    QString captionSeen;
    int optionSeen = -1;
    whenModal([&](QWidget* modal) {
        EXPECT_EQ(modal, dialog);
        modeSeen = dialog->mode();
        captionSeen = dialog->clickedOptionCaption();
        optionSeen = dialog->chosenOption();
    });
    QTest::keyClick(form.get(), Qt::Key_Delete);
    EXPECT_EQ(modeSeen, 1);
    EXPECT_EQ(workspace().currentVariable()->name, "Older");
    EXPECT_EQ(captionSeen, QStringLiteral("Variabila pe care s-a dat click (Older)"));
    EXPECT_EQ(optionSeen, 2);
    EXPECT_EQ(dialog->clickedOptionCaption(), QStringLiteral("Numai variabila pe care s-a dat click"));
}

TEST_F(MainWindowTest, PopupActsOnTheStripItWasOpenedOn)
{
    addVariable("A");
    const tdspvarPtr b = addVariable("B");
    VariableStrip* strip = form->stripOf(*b);
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), strip->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(strip, &open);
    EXPECT_EQ(workspace().currentVariable().get(), b.get());
    EXPECT_TRUE(form->popupMenu()->isVisible());
    EXPECT_EQ(form->popupMenu()->defaultAction(), item(*form, "Vizualizeaza2"));
    form->popupMenu()->close();

    QWidget* seen = nullptr;
    whenModal([&](QWidget* modal) { seen = modal; });
    item(*form, "Fourier2")->trigger();
    EXPECT_EQ(seen, form->form5());
    EXPECT_EQ(form->form5()->processingType(), 7);
    EXPECT_EQ(workspace().currentVariable().get(), b.get());

    // Save with choice: save mode, and the option caption is put back afterwards.
    whenModal([&](QWidget* modal) { seen = modal; });
    item(*form, "Salveaza1")->trigger();
    EXPECT_EQ(seen, form->form8());
    EXPECT_EQ(form->form8()->mode(), 0);
    EXPECT_EQ(form->form8()->clickedOptionCaption(), QStringLiteral("Numai variabila pe care s-a dat click"));
}

TEST_F(MainWindowTest, StatusBarShowsTheLongPartOfTheHint)
{
    QMenu* popup = form->popupMenu();
    popup->popup(form->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const auto hover = [&](const char* name) {
        QTest::mouseMove(popup, popup->actionGeometry(item(*form, name)).center());
        QCoreApplication::processEvents();
        return form->statusBar()->currentMessage();
    };
    EXPECT_EQ(hover("Listeaza2"), QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"));
    EXPECT_EQ(hover("Sterge2"), QStringLiteral("Sterge o variabila sau mai multe variabile selectate"));
    // Closing the pop-up, by Escape or by running an item's command, takes its hint away.
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
    addVariable("V");
    popup->popup(form->mapToGlobal(QPoint(50, 50)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_EQ(hover("Listeaza2"), QStringLiteral("Afiseaza continutul variabilei sub forma de tabel"));
    QString duringCommand = QStringLiteral("not run");
    whenModal([&](QWidget*) { duringCommand = form->statusBar()->currentMessage(); });
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(duringCommand, QString());
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());

    form->showHint(QStringLiteral("short|long part|more"));
    EXPECT_EQ(form->statusBar()->currentMessage(), QStringLiteral("long part|more"));
    // An item without a hint clears the bar.
    QMenu* variabila = form->variabilaMenu();
    addVariable("A");
    form->menuBar()->setActiveAction(variabila->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(variabila));
    QTest::mouseMove(variabila, variabila->actionGeometry(item(*form, "Listeaza1")).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
    variabila->close();
}

TEST_F(MainWindowTest, ClientAreaHoldsTheScrollBoxOverTheStatusBar)
{
    EXPECT_EQ(form->width(), 534);
    EXPECT_EQ(form->height() - form->menuBar()->height(), 337);
    EXPECT_EQ(form->scrollBox()->size(), QSize(533, 318));
    EXPECT_EQ(form->statusBar()->height(), 19);
    EXPECT_EQ(form->minimumSize(), QSize(320, 100));
    form->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->scrollBox()->size(), QSize(699, 500 - form->menuBar()->height() - 19));
}

TEST_F(MainWindowTest, StripsStackWithoutGapsAndFollowTheWidth)
{
    const tdspvarPtr a = addVariable("A");
    const tdspvarPtr b = addVariable("B");
    const tdspvarPtr c = addVariable("C");
    const auto top = [&](const tdspvarPtr& v) { return form->stripOf(*v)->geometry().top(); };
    EXPECT_EQ(top(a), 1);
    EXPECT_EQ(top(b), 34);
    EXPECT_EQ(top(c), 67);
    workspace().removeVariable(b);
    EXPECT_EQ(form->stripOf(*b), nullptr);
    EXPECT_EQ(top(a), 1);
    EXPECT_EQ(top(c), 34);
    const tdspvarPtr d = addVariable("D");
    EXPECT_EQ(top(d), 67);

    VariableStrip* strip = form->stripOf(*a);
    const int columnWidth = form->scrollBox()->viewport()->width();
    EXPECT_EQ(strip->x(), 1);
    EXPECT_EQ(strip->width(), columnWidth - 2);
    EXPECT_EQ(strip->height(), 32);
    form->resize(form->width() + 100, form->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(form->scrollBox()->viewport()->width(), columnWidth + 100);
    EXPECT_EQ(strip->width(), columnWidth + 98);
}

TEST_F(MainWindowTest, ClicksToggleSelectionAndRepaint)
{
    const tdspvarPtr v = addVariable("SEL");
    VariableStrip* strip = form->stripOf(*v);
    // Through the window, as the window system delivers them: the toolkit makes the double click.
    QWindow* window = form->windowHandle();
    const QPoint inside = strip->mapTo(form.get(), QPoint(20, 20));
    const QPoint fillPixel(strip->width() - 140, 28);
    QTest::mouseClick(window, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(v->selected);
    EXPECT_EQ(strip->grab().toImage().pixel(fillPixel), qRgb(0, 128, 128));
    QTest::mouseClick(window, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(v->selected);
    EXPECT_NE(strip->grab().toImage().pixel(fillPixel), qRgb(0, 128, 128));
    // A double click toggles once: its second click is not a click.
    QTest::mouseDClick(window, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(v->selected);
    // The right button opens the pop-up and does not select.
    QTest::mouseClick(window, Qt::RightButton, {}, inside);
    EXPECT_TRUE(v->selected);
    form->popupMenu()->close();
    // A press that ends outside the strip is no click.
    QTest::mousePress(window, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(window, Qt::LeftButton, {}, strip->mapTo(form.get(), QPoint(20, 40)));
    EXPECT_TRUE(v->selected);
}

TEST_F(MainWindowTest, StripPaintsFrameAndThumbnailInPlace)
{
    const tdspvarPtr v = addVariable("LOOK", {0, 0, 0});
    ASSERT_TRUE(uitest::waitForThumbnails());
    VariableStrip* strip = form->stripOf(*v);
    const QImage shot = strip->grab().toImage();
    const int w = strip->width();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(w - 1, 31), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(w - 130, 2), qRgb(0, 128, 0));   // the grid's corner
    EXPECT_EQ(shot.pixel(w - 130 + 4, 2 + 4), qRgb(0, 0, 0)); // inside the first grid cell
    EXPECT_EQ(shot.pixel(w - 131, 2), form->palette().color(QPalette::Button).rgb());
    EXPECT_EQ(shot.pixel(w - 2, 2), shot.pixel(w - 131, 2)); // two pixels of fill and frame after it
}

TEST_F(MainWindowTest, ExitClosesWithoutAsking)
{
    addVariable("UNSAVED");
    item(*form, "Exit1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, AboutBoxLeavesItsCaptionRoomInTheTitleBar)
{
    // A window manager writes the caption in a bold font, often larger than the program's, beside
    // the window's icon and three buttons; the About box is wide enough for all of it.
    AboutDialog* about = form->form6();
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
        QTimer::singleShot(0, form.get(), std::move(thrower));
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
    item(*form, "Save1")->trigger();
    EXPECT_EQ(opened, form->form8());
}
