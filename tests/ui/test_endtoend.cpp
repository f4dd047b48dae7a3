// One whole session at the keyboard and the mouse, as a student runs it: generate two variables,
// transform and convolve them, save everything, delete everything, load the file back and check
// that nothing was lost, then look at the graph, the value table, the inverse Z window and the
// help. Only keys, clicks and the text typed into the file dialogs drive the program; a modal
// window is reached by an actor that waits until it is the active modal window and then works in it.
#include "mainwindow_fixture.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "expr/parser.h"
#include "expr/evaluator.h"
#include "ui/generatedialog.h"
#include "ui/graphwindow.h"
#include "../plot/plotmodes.h"
#include "ui/graphworker.h"
#include "ui/helpwindow.h"
#include "ui/inversezwindow.h"
#include "ui/mainwindow.h"
#include "ui/previewworker.h"
#include "ui/processingdialog.h"
#include "ui/radiogroup.h"
#include "ui/selectiondialog.h"
#include "ui/spinedit.h"
#include "ui/thumbnailworker.h"
#include "ui/valuetable.h"
#include "ui/variablestrip.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace uitest::controls;

namespace {

constexpr int kWaitMs = 20000; // generous: the workers share two cores with other test programs

// Waits until the modal window of type T is the active one, runs `action` in it, and closes it if
// the action left it open (so a failed step never leaves the session hanging in exec()). The
// returned flag tells whether the action ran. Actors for nested windows may be set up before the
// outer one opens: each waits for its own type. A modal window that no actor waits for or works
// in is a failure; the watchdog closes it, so the session never hangs on it either.
class modalActor : public QObject {
public:
    template <class T>
    static std::shared_ptr<bool> when(std::function<void(T&)> action)
    {
        auto* actor = new modalActor;
        actor->ran_ = std::make_shared<bool>(false);
        actor->find_ = [](QWidget* w) -> QWidget* { return qobject_cast<T*>(w); };
        actor->action_ = [action = std::move(action)](QWidget* w) { action(*static_cast<T*>(w)); };
        actor->clock_.start();
        connect(&actor->timer_, &QTimer::timeout, actor, &modalActor::poll);
        actor->timer_.start(5);
        return actor->ran_;
    }

    // Whether some actor waits for `window` or is working in it.
    static bool expected(QWidget* window)
    {
        for (const modalActor* actor : actors())
            if (actor->working_ == window || (!actor->working_ && !actor->done_ && actor->find_(window)))
                return true;
        return false;
    }

private:
    modalActor() : QObject(qApp) { actors().push_back(this); }
    ~modalActor() override { std::erase(actors(), this); }

    static std::vector<modalActor*>& actors()
    {
        static std::vector<modalActor*> list;
        return list;
    }

    void poll()
    {
        QWidget* window = find_(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (clock_.elapsed() > kWaitMs) {
                ADD_FAILURE() << "an expected modal window did not come up";
                finish();
            }
            return;
        }
        timer_.stop();
        const QPointer<QWidget> guard(window);
        working_ = window;
        action_(window);
        if (guard && guard->isVisible())
            guard->close();
        working_ = nullptr;
        *ran_ = true;
        finish();
    }
    void finish()
    {
        timer_.stop();
        done_ = true;
        deleteLater();
    }

    QTimer timer_;
    QElapsedTimer clock_;
    std::function<QWidget*(QWidget*)> find_;
    std::function<void(QWidget*)> action_;
    std::shared_ptr<bool> ran_;
    QWidget* working_ = nullptr;
    bool done_ = false;
};

// Closes a modal window that no actor expects once it has stayed up for a while.
class strayModalWatchdog : public QObject {
public:
    strayModalWatchdog()
    {
        connect(&timer_, &QTimer::timeout, this, &strayModalWatchdog::check);
        timer_.start(50);
    }

private:
    void check()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || modalActor::expected(window)) {
            stray_ = nullptr;
            return;
        }
        if (window != stray_) {
            stray_ = window;
            since_.start();
            return;
        }
        if (since_.elapsed() > 2000) {
            ADD_FAILURE() << "an unexpected modal window came up: "
                          << window->metaObject()->className() << " \""
                          << window->windowTitle().toStdString() << "\"";
            window->close();
            stray_ = nullptr;
        }
    }

    QTimer timer_;
    QPointer<QWidget> stray_;
    QElapsedTimer since_;
};

// A radio button reacts to clicks on its circle and caption only.
void clickRadio(QRadioButton* button)
{
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(button->window(), QPoint(6, button->height() / 2)));
}

// A click as the window system delivers it, so that the widget takes the focus as well.
void click(QWidget* widget, QPoint position)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, position));
}

void click(QWidget* widget)
{
    click(widget, widget->rect().center());
}

// Replaces a line edit's text as a user does: click into it, select all, type.
void retype(QLineEdit* edit, const QString& text)
{
    click(edit);
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// Types a full path into a file dialog's name field and presses Enter, as a user would. The keys
// go through the dialog's window, so a completion list that opens takes them first, as it does
// for a user; the first Enter may only close that list, the next one then takes the name.
void typeFileName(QFileDialog& dialog, const QString& path)
{
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(edit);
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_TRUE(model);
    // The completion list follows the folder's contents, which the dialog reads in the
    // background; the list has settled once the folder of the typed path has been read.
    const QString folder = QFileInfo(path).absolutePath();
    bool folderRead = false;
    const QMetaObject::Connection watch = QObject::connect(
        model, &QFileSystemModel::directoryLoaded, [&](const QString& read) { folderRead |= read == folder; });
    click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QWindow* window = dialog.windowHandle();
    for (const QChar c : path)
        QTest::keyClick(window, c.toLatin1());
    EXPECT_EQ(edit->text(), path);
    const bool settled = uitest::waitUntil([&] { return folderRead; }, kWaitMs);
    EXPECT_TRUE(settled) << "the dialog did not read " << folder.toStdString();
    QObject::disconnect(watch);
    for (int attempt = 0; attempt < 3 && dialog.isVisible(); ++attempt) {
        QTest::keyClick(window, Qt::Key_Return);
        if (uitest::waitUntil([&] { return !dialog.isVisible(); }, 1000))
            break;
    }
    EXPECT_FALSE(dialog.isVisible()) << path.toStdString();
    // On a desktop the completion list closes when its field loses the focus with the hidden
    // dialog; the offscreen platform moves no focus then, so the list is closed here instead.
    if (QWidget* list = QApplication::activePopupWidget())
        list->close();
}

// What a variable held when it was made, to compare with what comes back from the file.
struct snapshot {
    std::string name;
    bool isComplex = false;
    std::vector<extended> re;
    std::vector<extended> im;
    variableInfo info;
};

[[maybe_unused]] snapshot take(const tdspvar& v)
{
    return {v.name(), v.isComplex(), v.real(), v.imag(), v.info()};
}

// The state file keeps 15 significant digits: two values agree when they read the same there.
std::string fifteenDigits(extended v)
{
    return formatGeneral(v == 0 ? extended(0) : v, 15);
}

// The samples of `expression` at x = i/count, computed here from the parser and the tree alone.
std::vector<complexValue> expectedSamples(const std::string& expression, int count,
                                          const tworkspace& workspace)
{
    const parsedExpression parsed = parseExpression(expression, workspace);
    EXPECT_EQ(parsed.message, "");
    std::vector<complexValue> values;
    for (int i = 0; i < count; ++i)
        values.push_back(evaluateAt(*parsed.root, static_cast<extended>(i) / count));
    return values;
}

class EndToEndTest : public uitest::MainWindowTest {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(waitForThumbnails(kWaitMs));
        MainWindowTest::TearDown();
    }

    // A plain key on the main window, once it has the keyboard again.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mainWindow->activateWindow();
        // The offscreen platform does not always hand the activation back to the main window
        // when a file dialog closes: the keyboard focus stays on the hidden dialog's name field.
        // A window manager would activate the main window again; the test does it in its place.
        const auto mainHasKeyboard = [&] {
            QWidget* focus = QApplication::focusWidget();
            return QApplication::activeWindow() == mainWindow.get() &&
                   (!focus || (focus->isVisible() && focus->window() == mainWindow.get()));
        };
        if (!uitest::waitUntil(mainHasKeyboard, 1000)) {
            QApplication::setActiveWindow(nullptr);
            QApplication::setActiveWindow(mainWindow.get());
        }
        ASSERT_TRUE(mainHasKeyboard());
        QTest::keyClick(mainWindow.get(), key, modifiers);
    }

    // Ins, then name, count and formula typed into the generation dialog, then Enter once OK
    // is enabled (the preview cycle is asynchronous).
    void generateByKeys(const QString& name, int count, const QString& formula)
    {
        const auto ran = modalActor::when<GenerateDialog>([&](GenerateDialog& d) {
            retype(Edit1(d), name);
            retype(SpinEdit1(d)->lineEdit(), QString::number(count));
            retype(Edit2(d), formula);
            ASSERT_TRUE(uitest::waitUntil([&] { return Button2(d)->isEnabled(); }, kWaitMs));
            QTest::keyClick(Edit2(d), Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Insert);
        EXPECT_TRUE(*ran);
    }

    strayModalWatchdog watchdog;
    QTemporaryDir folder;
};

} // namespace

TEST_F(EndToEndTest, StudentSession)
{
    // Two variables from formulas.
    const std::string formula1 = "sin(x*pi*50+4*sin(x*17))";
    const std::string formula2 = "exp(-x*8)*hanning(x)";
    generateByKeys("signal", 256, QString::fromStdString(formula1));
    generateByKeys("pulse", 32, QString::fromStdString(formula2));
    ASSERT_EQ(workspace().variableCount(), 2);
    struct generated {
        const char* name;
        const std::string& formula;
        int count;
    };
    for (const generated& g : {generated{"SIGNAL", formula1, 256}, generated{"PULSE", formula2, 32}}) {
        const tdspvarPtr v = workspace().findVariable(g.name);
        ASSERT_TRUE(v) << g.name;
        EXPECT_EQ(v->description(), g.formula);
        EXPECT_FALSE(v->isComplex());
        ASSERT_EQ(v->sampleCount(), g.count);
        const std::vector<complexValue> expected = expectedSamples(g.formula, g.count, workspace());
        for (int i = 0; i < g.count; ++i)
            ASSERT_EQ(v->real()[i], expected[i].re) << g.name << " sample " << i;
    }

    // F: the Fourier transform of the first variable into a new variable.
    {
        const auto ran = modalActor::when<ProcessingDialog>([&](ProcessingDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Transformata Fourier");
            EXPECT_EQ(ComboBox1(d)->currentText(), "signal");
            EXPECT_EQ(ComboBox2(d)->currentText(), "Directa");
            clickRadio(RadioGroup1(d)->button(1));
            ASSERT_TRUE(Edit1(d)->isEnabled());
            EXPECT_EQ(Edit1(d)->text(), "signal_fourier");
            QTest::keyClick(Edit1(d), Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_F);
        EXPECT_TRUE(*ran);
        const tdspvarPtr spectrum = workspace().findVariable("signal_fourier");
        ASSERT_TRUE(spectrum);
        EXPECT_TRUE(spectrum->isComplex());
        EXPECT_EQ(spectrum->sampleCount(), 256);
        EXPECT_EQ(spectrum->description(), "Transformata Fourier a variabilei signal");
        // 256 is a power of two, so the spectrum is the plain DFT of the signal.
        const tdspvar& signal = *workspace().findVariable("signal");
        for (int k = 0; k < 256; k += 17) {
            complexValue expected;
            for (int n = 0; n < 256; ++n) {
                const extended angle = -2 * kPi * k * n / 256;
                expected = expected + complexValue{signal.real()[static_cast<std::size_t>(n)], 0} * complexValue{std::cos(angle), std::sin(angle)};
            }
            EXPECT_NEAR(static_cast<double>(spectrum->real()[k]), static_cast<double>(expected.re), 1e-12) << k;
            EXPECT_NEAR(static_cast<double>(spectrum->imag()[k]), static_cast<double>(expected.im), 1e-12) << k;
        }
    }

    // A convolution through the pop-up menu of the second strip: Procesare > Convolutie.
    {
        const tdspvarPtr pulse = workspace().findVariable("pulse");
        ASSERT_TRUE(pulse);
        VariableStrip* strip = stripOf(pulse);
        ASSERT_TRUE(strip);
        mainWindow->activateWindow();
        ASSERT_TRUE(uitest::windowActive(mainWindow.get()));
        QTest::mouseClick(mainWindow->windowHandle(), Qt::RightButton, {}, strip->mapTo(mainWindow.get(), QPoint(20, 16)));
        QMenu* popup = popupMenu();
        ASSERT_TRUE(uitest::waitUntil([&] { return popup->isVisible(); }, kWaitMs));
        QAction* procesare = popup->findChild<QAction*>("Procesare1");
        ASSERT_TRUE(procesare);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(procesare).center());
        QMenu* submenu = procesare->menu();
        ASSERT_TRUE(uitest::waitUntil([&] { return submenu->isVisible(); }, kWaitMs));
        QAction* convolutie = submenu->findChild<QAction*>("Convolutie2");
        ASSERT_TRUE(convolutie);
        const auto ran = modalActor::when<ProcessingDialog>([&](ProcessingDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Convolutie");
            EXPECT_EQ(ComboBox1(d)->currentText(), "pulse");
            EXPECT_EQ(ComboBox2(d)->currentText(), "signal");
            EXPECT_EQ(RadioGroup1(d)->itemIndex(), 1); // the destination stays as last chosen
            EXPECT_EQ(Edit1(d)->text(), "pulse_cv_signal");
            click(Button1(d));
            EXPECT_FALSE(d.isVisible());
        });
        QTest::mouseClick(submenu, Qt::LeftButton, {}, submenu->actionGeometry(convolutie).center());
        EXPECT_TRUE(*ran);
        const tdspvarPtr convolution = workspace().findVariable("pulse_cv_signal");
        ASSERT_TRUE(convolution);
        EXPECT_FALSE(convolution->isComplex());
        ASSERT_EQ(convolution->sampleCount(), 32 + 256);
        // The linear convolution of the source with the operand, and one more sample that is 0.
        const tdspvar& signal = *workspace().findVariable("signal");
        for (int n = 0; n < 32 + 256; ++n) {
            extended expected = 0;
            for (int k = std::max(0, n - 255); k <= std::min(31, n); ++k)
                expected += pulse->real()[static_cast<std::size_t>(k)] * signal.real()[static_cast<std::size_t>(n - k)];
            EXPECT_NEAR(static_cast<double>(convolution->real()[n]), static_cast<double>(expected), 1e-12) << n;
        }
    }

    // F2 saves everything: Ok in the selection dialog, then the file's path typed into the save
    // dialog. What each variable holds is kept to compare with what comes back.
    std::vector<snapshot> before;
    for (const tdspvarPtr& v : workspace().variables())
        before.push_back(take(*v));
    const QString file = folder.filePath("session.var");
    {
        const auto saved = modalActor::when<QFileDialog>([&](QFileDialog& d) { typeFileName(d, file); });
        const auto ran = modalActor::when<SelectionDialog>([&](SelectionDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Salveaza starea curenta");
            EXPECT_TRUE(RadioButton1(d)->isChecked());
            click(Button1(d));
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_F2);
        EXPECT_TRUE(*ran);
        EXPECT_TRUE(*saved);
        ASSERT_TRUE(QFileInfo::exists(file));
    }

    // Del on the first variable, option 1: everything goes.
    {
        const auto ran = modalActor::when<SelectionDialog>([&](SelectionDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Sterge variabile");
            EXPECT_TRUE(RadioButton3(d)->isChecked());
            EXPECT_EQ(RadioButton3(d)->text(), "Variabila pe care s-a dat click (SIGNAL)");
            clickRadio(RadioButton1(d));
            EXPECT_TRUE(RadioButton1(d)->isChecked());
            click(Button1(d));
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Delete);
        EXPECT_TRUE(*ran);
        EXPECT_EQ(workspace().variableCount(), 0);
        EXPECT_FALSE(variabilaMenu()->menuAction()->isEnabled());
    }

    // F3 loads the file back: the same names, kinds, counts, info and values to 15 digits.
    {
        const auto ran = modalActor::when<QFileDialog>([&](QFileDialog& d) { typeFileName(d, file); });
        press(Qt::Key_F3);
        EXPECT_TRUE(*ran);
        ASSERT_EQ(workspace().variableCount(), static_cast<int>(before.size()));
        for (std::size_t k = 0; k < before.size(); ++k) {
            const tdspvar& v = *workspace().variables()[k];
            const snapshot& b = before[k];
            EXPECT_EQ(v.name(), b.name);
            EXPECT_EQ(v.isComplex(), b.isComplex) << b.name;
            ASSERT_EQ(v.real().size(), b.re.size()) << b.name;
            ASSERT_EQ(v.imag().size(), b.im.size()) << b.name;
            EXPECT_EQ(v.info(), b.info) << b.name; // the formula or the operation, rate, domain
            for (std::size_t i = 0; i < b.re.size(); ++i) {
                ASSERT_EQ(fifteenDigits(v.real()[i]), fifteenDigits(b.re[i])) << b.name << " sample " << i;
                if (b.isComplex) {
                    ASSERT_EQ(fifteenDigits(v.imag()[i]), fifteenDigits(b.im[i])) << b.name << " sample " << i;
                }
            }
        }
    }

    // The graph: Enter opens it on the first variable; Down twice in its list picks the spectrum,
    // shown as modulus and phase, and Alt+P turns that into the cartesian view and back.
    {
        const auto ran = modalActor::when<GraphWindow>([&](GraphWindow& d) {
            const auto drawn = [&] { return uitest::waitUntil([&] { return !d.plot().busy(); }, kWaitMs); };
            EXPECT_EQ(ComboBox1(d)->currentText(), "signal");
            ASSERT_TRUE(drawn());
            EXPECT_EQ(d.mode(), kReal);
            QTest::keyClick(ComboBox1(d), Qt::Key_Down);
            QTest::keyClick(ComboBox1(d), Qt::Key_Down);
            EXPECT_EQ(ComboBox1(d)->currentText(), "signal_fourier");
            ASSERT_TRUE(drawn());
            EXPECT_EQ(d.mode(), kPolar);
            QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
            EXPECT_EQ(d.mode(), kCartesian);
            ASSERT_TRUE(drawn());
            QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
            EXPECT_EQ(d.mode(), kPolar);
            QTest::keyClick(&d, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Enter);
        EXPECT_TRUE(*ran);
    }

    // The value table: L lists the first variable; typing 1e3 into the real part of sample 0
    // changes it when the window closes.
    {
        const tdspvarPtr first = workspace().variables().front();
        const auto ran = modalActor::when<ValueTableDialog>([&](ValueTableDialog& d) {
            QTableWidget* grid = StringGrid1(d);
            EXPECT_EQ(grid->rowCount(), std::min(first->sampleCount(), 128));
            EXPECT_EQ(grid->horizontalHeaderItem(1)->text().toStdString(), first->name() + ".real");
            EXPECT_EQ(grid->item(5, 1)->text().toStdString(), formatGeneral(first->real()[5], 15));
            const QModelIndex cell = grid->model()->index(0, 1);
            click(grid->viewport(), grid->visualRect(cell).center());
            QLineEdit* editor = nullptr;
            ASSERT_TRUE(uitest::waitUntil(
                [&] { return (editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell))) != nullptr; },
                kWaitMs));
            retype(editor, "1e3");
            QTest::keyClick(editor, Qt::Key_Return);
            // The grid takes the text and closes the editor once the key has been handled.
            ASSERT_TRUE(uitest::waitUntil([&] { return !grid->indexWidget(cell); }, kWaitMs));
            QTest::keyClick(grid, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        const extended second = first->real()[1];
        press(Qt::Key_L);
        EXPECT_TRUE(*ran);
        EXPECT_EQ(first->real()[0], 1000);
        EXPECT_EQ(fifteenDigits(first->real()[1]), fifteenDigits(second));
    }

    // The inverse Z window (Ctrl+Z): z / (z - 0.5) expands into 1, 0.5, 0.25, ...
    {
        const auto ran = modalActor::when<InverseZWindow>([&](InverseZWindow& d) {
            retype(Edit1(d), "0, 1");
            retype(Edit2(d), "-0.5, 1");
            const char* expected[] = {"1", "0.5", "0.25", "0.125", "0.0625"};
            for (int row = 0; row < 5; ++row)
                EXPECT_EQ(StringGrid1(d)->item(row, 1)->text(), expected[row]) << row;
            QTest::keyClick(Edit2(d), Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(*ran);
    }

    // The help (F1): Down in the page list turns to the next page.
    {
        const auto ran = modalActor::when<HelpWindow>([&](HelpWindow& d) {
            const int item = ComboBox1(d)->currentIndex();
            const QImage before = PaintBox1(d)->grab().toImage();
            QTest::keyClick(ComboBox1(d), Qt::Key_Down);
            EXPECT_EQ(ComboBox1(d)->currentIndex(), item + 1);
            EXPECT_NE(PaintBox1(d)->grab().toImage(), before);
            QTest::keyClick(ComboBox1(d), Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_F1);
        EXPECT_TRUE(*ran);
    }
}
