// One whole session at the keyboard and the mouse, as a student runs it: generate two variables,
// transform and convolve them, save everything, delete everything, load the file back and check
// that nothing was lost, then look at the graph, the value table, the inverse Z window and the
// help. Only keys, clicks and the text typed into the file dialogs drive the program; a modal
// window is reached by an actor that waits until it is the active modal window and then works in it.
#include "mainform_fixture.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "expr/math_par.h"
#include "expr/mathnode.h"
#include "ui/baseform.h"
#include "ui/funcform.h"
#include "ui/grphform.h"
#include "ui/helpform.h"
#include "ui/listform.h"
#include "ui/spinedit.h"
#include "ui/tmygrthr.h"
#include "ui/tmythr1.h"
#include "ui/tmythr2.h"
#include "ui/zinvform.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWaitMs = 20000; // generous: the workers share two cores with other test programs

// Waits until the modal window of type T is the active one, runs `action` in it, and closes it if
// the action left it open (so a failed step never leaves the session hanging in exec()). The
// returned flag tells whether the action ran. Actors for nested windows may be set up before the
// outer one opens: each waits for its own type.
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

private:
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
        action_(window);
        if (guard && guard->isVisible())
            guard->close();
        *ran_ = true;
        finish();
    }
    void finish()
    {
        timer_.stop();
        deleteLater();
    }

    QTimer timer_;
    QElapsedTimer clock_;
    std::function<QWidget*(QWidget*)> find_;
    std::function<void(QWidget*)> action_;
    std::shared_ptr<bool> ran_;
};

// Replaces a line edit's text as a user does: click into it, select all, type.
void retype(QLineEdit* edit, const QString& text)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// What a variable held when it was made, to compare with what comes back from the file.
struct snapshot {
    std::string name;
    bool isComplex = false;
    std::vector<extended> re;
    std::vector<extended> im;
};

[[maybe_unused]] snapshot take(const tdspvar& v)
{
    return {v.name, v.isComplex, v.re, v.im};
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
    for (int i = 0; i < count; ++i) {
        setCurrentX(static_cast<extended>(i) / count);
        values.push_back(parsed.root->evaluate());
    }
    return values;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<TForm1>();
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    void TearDown() override
    {
        EXPECT_TRUE(uitest::waitForThumbnails(kWaitMs));
        main.reset();
    }

    // A plain key on the main window, once it has the keyboard again.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), key, modifiers);
    }

    // Ins, then name, count and formula typed into the generation dialog, then Enter once OK
    // is enabled (the preview cycle is asynchronous).
    void generateByKeys(const QString& name, int count, const QString& formula)
    {
        const auto ran = modalActor::when<TForm2>([&](TForm2& d) {
            retype(d.Edit1, name);
            retype(d.SpinEdit1->lineEdit(), QString::number(count));
            retype(d.Edit2, formula);
            ASSERT_TRUE(QTest::qWaitFor([&] { return d.Button2->isEnabled(); }, kWaitMs));
            QTest::keyClick(d.Edit2, Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Insert);
        EXPECT_TRUE(*ran);
    }

    tworkspace& workspace() { return main->workspace(); }

    std::unique_ptr<TForm1> main;
};

} // namespace

TEST_F(EndToEnd, StudentSession)
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
        EXPECT_EQ(v->description, g.formula);
        EXPECT_FALSE(v->isComplex);
        ASSERT_EQ(v->sampleCount(), g.count);
        const std::vector<complexValue> expected = expectedSamples(g.formula, g.count, workspace());
        for (int i = 0; i < g.count; ++i)
            ASSERT_EQ(v->re[i], expected[i].re) << g.name << " sample " << i;
    }

    std::vector<std::string> pending;
    pending.push_back("the Fourier transform and the convolution wait for the processing dialog");
    pending.push_back("saving, deleting and loading wait for the selection and file dialogs");

    // The graph: Enter opens it on the first variable; End picks the last one in its list, and
    // Alt+P switches a complex one between the modulus-and-phase and the cartesian view.
    {
        const auto ran = modalActor::when<TForm9>([&](TForm9& d) {
            EXPECT_EQ(d.ComboBox1->currentText(), "signal");
            ASSERT_TRUE(QTest::qWaitFor([&] { return !d.plot().busy(); }, kWaitMs));
            EXPECT_EQ(d.modeWord(), 1);
            QTest::keyClick(d.ComboBox1, Qt::Key_End);
            const tdspvarPtr last = workspace().variables().back();
            EXPECT_EQ(d.ComboBox1->currentText().toStdString(), asciiLower(last->name));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !d.plot().busy(); }, kWaitMs));
            if (last->isComplex) {
                EXPECT_EQ(d.modeWord(), 2);
                QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
                EXPECT_EQ(d.modeWord(), 0);
                ASSERT_TRUE(QTest::qWaitFor([&] { return !d.plot().busy(); }, kWaitMs));
                QTest::keyClick(&d, Qt::Key_P, Qt::AltModifier);
            }
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
        const auto ran = modalActor::when<TForm3>([&](TForm3& d) {
            QTableWidget* grid = d.StringGrid1;
            EXPECT_EQ(grid->rowCount(), std::min(first->sampleCount(), 128));
            EXPECT_EQ(grid->horizontalHeaderItem(1)->text().toStdString(), first->name + ".real");
            EXPECT_EQ(grid->item(5, 1)->text().toStdString(), formatGeneral(first->re[5], 15));
            const QModelIndex cell = grid->model()->index(0, 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
            QLineEdit* editor = nullptr;
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return (editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell))) != nullptr; },
                kWaitMs));
            retype(editor, "1e3");
            QTest::keyClick(editor, Qt::Key_Return);
            // The grid takes the text and closes the editor once the key has been handled.
            ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->indexWidget(cell); }, kWaitMs));
            QTest::keyClick(grid, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        const extended second = first->re[1];
        press(Qt::Key_L);
        EXPECT_TRUE(*ran);
        EXPECT_EQ(first->re[0], 1000);
        EXPECT_EQ(fifteenDigits(first->re[1]), fifteenDigits(second));
    }

    // The inverse Z window (Ctrl+Z): z / (z - 0.5) expands into 1, 0.5, 0.25, ...
    {
        const auto ran = modalActor::when<TForm10>([&](TForm10& d) {
            retype(d.Edit1, "0, 1");
            retype(d.Edit2, "-0.5, 1");
            const char* expected[] = {"1", "0.5", "0.25", "0.125", "0.0625"};
            for (int row = 0; row < 5; ++row)
                EXPECT_EQ(d.StringGrid1->item(row, 1)->text(), expected[row]) << row;
            QTest::keyClick(d.Edit2, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(*ran);
    }

    // The help (F1): Down in the page list turns to the next page.
    {
        const auto ran = modalActor::when<TForm7>([&](TForm7& d) {
            const int page = d.currentPage();
            QTest::keyClick(d.ComboBox1, Qt::Key_Down);
            EXPECT_EQ(d.currentPage(), page + 1);
            QTest::keyClick(d.ComboBox1, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible());
        });
        press(Qt::Key_F1);
        EXPECT_TRUE(*ran);
    }

    if (!pending.empty()) {
        std::string reason;
        for (const std::string& p : pending)
            reason += p + "; ";
        GTEST_SKIP() << "not yet covered: " << reason;
    }
}
