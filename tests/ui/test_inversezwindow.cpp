#include "controls.h"

#include "core/workspace.h"
#include "ui/inversezwindow.h"
#include "ui/namecorrection.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

using namespace uitest::controls;

namespace {

struct InverseZWindowTest : testing::Test {
    tworkspace workspace;
    NameCorrectionDialog correction{workspace, nullptr};
    const QStringList windowNames{"Dirichlet", "Bartlett", "Hamming", "Hanning", "Blackman"};
    InverseZWindow window{{.workspace = workspace, .nameCorrection = correction, .windowNames = windowNames}, nullptr};

    tdspvarPtr makeVariable(const char* name, std::vector<extended> re, std::vector<extended> im = {})
    {
        return workspace.add(name, im.empty() ? signalSamples::real(std::move(re))
                                              : signalSamples::complex(std::move(re), std::move(im)));
    }
    QString value(int row) const { return StringGrid1(window)->item(row - 1, 1)->text(); }
    void type(const QString& numerator, const QString& denominator)
    {
        Edit1(window)->setText(numerator);
        Edit2(window)->setText(denominator);
    }
    void openAndClose(const std::function<void()>& whileOpen = {}) { uitest::openAndClose(window, whileOpen); }
};;

} // namespace

TEST_F(InverseZWindowTest, CaptionsDefaultsAndTabOrder)
{
    EXPECT_EQ(Label1(window)->text(),
              "Introduceti coeficientii polinomului, separati prin virgula (,) incapand cu termenul liber.");
    EXPECT_EQ(Label2(window)->text(), "Num&arator :");
    EXPECT_EQ(Label2(window)->buddy(), Edit1(window));
    EXPECT_EQ(Label3(window)->text(), "&Numitor :");
    EXPECT_EQ(Label3(window)->buddy(), Edit2(window));
    // Whatever the program font, the captions stay clear of the fields and inside the window.
    EXPECT_LE(Label1(window)->geometry().right(), 433 - 8);
    EXPECT_LT(Label2(window)->geometry().right(), 64);
    EXPECT_LT(Label3(window)->geometry().right(), 64);
    EXPECT_EQ(Edit1(window)->text(), "1");
    EXPECT_EQ(Edit2(window)->text(), "1");
    EXPECT_EQ(Button1(window)->text(), "<v");
    QTableWidget* grid = StringGrid1(window);
    EXPECT_EQ(grid->rowCount(), 50);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Nr.");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Valoare");
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->item(0, 0)->text(), "1");
    EXPECT_EQ(grid->item(49, 0)->text(), "50");
    // Tab order: numerator, denominator, the two buttons, the grid.
    // Tab skips what is hidden, as the closed panel beside the table.
    auto nextTabStop = [this](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window));
        return w;
    };
    EXPECT_EQ(nextTabStop(Edit1(window)), Edit2(window));
    EXPECT_EQ(nextTabStop(Edit2(window)), Button1(window));
    EXPECT_EQ(nextTabStop(Button1(window)), Button2(window));
    EXPECT_EQ(nextTabStop(Button2(window)), grid);
    EXPECT_EQ(nextTabStop(grid), Edit1(window));
}

TEST_F(InverseZWindowTest, CoefficientTextIsTheReversedModuli)
{
    EXPECT_EQ(InverseZWindow::coefficientText(*makeVariable("A", {1, -0.5L, 0.25L})), "0.25 , 0.5 , 1");
    EXPECT_EQ(InverseZWindow::coefficientText(*makeVariable("C", {3, 0}, {4, -2})), "2 , 5");
    EXPECT_EQ(InverseZWindow::coefficientText(*makeVariable("E", {})), "");
    std::vector<extended> many;
    for (int i = 0; i < 30; ++i)
        many.push_back(i + 1);
    EXPECT_EQ(InverseZWindow::coefficientText(*makeVariable("M", many)), "10 , 9 , 8 , 7 , 6 , 5 , 4 , 3 , 2 , 1");
}

TEST_F(InverseZWindowTest, CoefficientTextKeepsThePeriodInACommaLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    const QString text = InverseZWindow::coefficientText(*makeVariable("A", {1, -0.5L, 0.25L}));
    QLocale::setDefault(saved);
    EXPECT_EQ(text, "0.25 , 0.5 , 1");
}

TEST_F(InverseZWindowTest, PopupListsTheVariablesAndWritesIntoTheButtonsField)
{
    makeVariable("First", {2});
    makeVariable("Sec_2", {1, -0.5L, 0.25L});
    openAndClose([this] {
        Button2(window)->click();
        QMenu* menu = PopupMenu1(window);
        ASSERT_TRUE(menu->isVisible());
        const auto actions = menu->actions();
        ASSERT_EQ(actions.size(), 2);
        EXPECT_EQ(actions[0]->text(), "First");
        EXPECT_EQ(actions[1]->text(), "Sec_2");
        // The menu's right edge is at the window's left plus the button's left.
        const QPoint anchor = window.frameGeometry().topLeft() + Button2(window)->pos();
        EXPECT_EQ(menu->pos().y(), anchor.y());
        EXPECT_EQ(menu->pos().x() + menu->sizeHint().width(), anchor.x());
        actions[1]->trigger();
        menu->close();
        EXPECT_EQ(Edit2(window)->text(), "0.25 , 0.5 , 1");
        EXPECT_EQ(Edit1(window)->text(), "1");

        Button1(window)->click();
        PopupMenu1(window)->actions()[0]->trigger();
        PopupMenu1(window)->close();
        EXPECT_EQ(Edit1(window)->text(), "2");
    });
}

TEST_F(InverseZWindowTest, OpeningShowsTheSeriesOfTheDefaults)
{
    openAndClose([this] {
        EXPECT_EQ(value(1), "1");
        for (int row = 2; row <= 50; ++row)
            EXPECT_EQ(value(row), "0") << row;
    });
}

TEST_F(InverseZWindowTest, WorkedExamples)
{
    type("0, 1", "-0.5, 1"); // z / (z - 0.5)
    EXPECT_EQ(value(1), "1");
    EXPECT_EQ(value(2), "0.5");
    EXPECT_EQ(value(5), "0.0625");
    EXPECT_EQ(value(50), "1.77635683940025E-15");

    type("1, 1", "0, 1"); // (z + 1) / z
    EXPECT_EQ(value(1), "1");
    EXPECT_EQ(value(2), "1");
    EXPECT_EQ(value(3), "0");

    type("1", "-0.5, 1"); // 1 / (z - 0.5): the series starts with its z^-1 term
    EXPECT_EQ(value(1), "1");
    EXPECT_EQ(value(2), "0.5");
    EXPECT_EQ(value(3), "0.25");
    type("1, 0", "-0.5, 1");
    EXPECT_EQ(value(1), "0");
    EXPECT_EQ(value(2), "1");
}

TEST_F(InverseZWindowTest, NumbersAsTyped)
{
    type("1.5,2", "1"); // two coefficients, the highest power first in the series
    EXPECT_EQ(value(1), "2");
    EXPECT_EQ(value(2), "1.5");
    type("1.5e1", "1");
    EXPECT_EQ(value(1), "15");
    type("-  3", "1");
    EXPECT_EQ(value(1), "-3");
    type(".5", "1");
    EXPECT_EQ(value(1), "0.5");
    type("2x, 3", "1");
    EXPECT_EQ(value(1), "3");
    EXPECT_EQ(value(2), "2");
}

TEST_F(InverseZWindowTest, NoUsableDenominatorLeavesTheValues)
{
    type("0, 1", "-0.5, 1");
    Edit2(window)->setText("0, 0");
    EXPECT_EQ(value(2), "0.5");
    Edit2(window)->setText("");
    EXPECT_EQ(value(3), "0.25");
    Edit1(window)->setText("7");
    EXPECT_EQ(value(1), "1");
}

TEST_F(InverseZWindowTest, ValuesUseTheLocaleSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    type("0, 1", "-0.5, 1");
    QLocale::setDefault(saved);
    EXPECT_EQ(value(2), "0,5");
}

TEST_F(InverseZWindowTest, VariableSamplesComeBackUnchangedOverOne)
{
    makeVariable("A", {1, -0.5L, 0.25L});
    openAndClose([this] {
        Edit2(window)->setText("1");
        Button1(window)->click(); // "<v" of the numerator, then the variable
        PopupMenu1(window)->actions()[0]->trigger();
        PopupMenu1(window)->close();
    });
    EXPECT_EQ(value(1), "1");
    EXPECT_EQ(value(2), "0.5");
    EXPECT_EQ(value(3), "0.25");
    EXPECT_EQ(value(4), "0");
}
