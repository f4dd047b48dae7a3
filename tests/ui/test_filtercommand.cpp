// The filter command: the processing dialog filtering a variable by the H(z) typed in its own
// fields or taken over from the inverse Z window, with the system's refusals and the filter's
// divergence said in the dialog.
#include "mainwindow_fixture.h"

#include "dsp/operations.h"
#include "dsp/zinverse.h"
#include "ui/inversezwindow.h"
#include "ui/processingdialog.h"

#include <QMessageBox>

using namespace uitest::controls;
using uitest::child;
using uitest::waitUntil;
using uitest::whenModal;

namespace {

class FilterCommandTest : public uitest::MainWindowTest {
protected:
    void TearDown() override
    {
        preview().shutdown();
        ASSERT_TRUE(waitForThumbnails());
        MainWindowTest::TearDown();
    }

    ProcessingDialog* dialog() { return &window<ProcessingDialog>(); }
    QLineEdit* numerator() { return child<QLineEdit>(*dialog(), "NumeratorEdit"); }
    QLineEdit* denominator() { return child<QLineEdit>(*dialog(), "DenominatorEdit"); }
    QString note() { return child<QLabel>(*dialog(), "FilterNote")->text(); }

    // Opens the dialog through the strip pop-up's item and runs `act` inside it.
    void open(const tdspvarPtr& current, const char* item, const std::function<void(ProcessingDialog*)>& act)
    {
        strips().setCurrent(current);
        whenModal([&](QWidget* modal) {
            ASSERT_EQ(modal, dialog());
            act(dialog());
        });
        child<QAction>(*mainWindow, item)->trigger();
    }
    std::vector<complexValue> shown()
    {
        const sampleBuffer& b = preview().samples();
        return {b.values.begin(), b.values.begin() + b.count};
    }
};

std::vector<complexValue> filtered(const char* numerator, const char* denominator, const tdspvar& x)
{
    const transferFunction h = systemFromTypedLists(readCoefficients(numerator), readCoefficients(denominator));
    sampleBuffer out;
    filterVariable(h, x, out);
    return {out.values.begin(), out.values.begin() + out.count};
}

} // namespace

TEST_F(FilterCommandTest, FiltersByTheTypedSystemIntoANewVariable)
{
    const tdspvarPtr a = addVariable("A", {1, 0, 0, 2, -1}, {0, 1, 0, 0, 0});
    open(a, "Filtrare1", [&](ProcessingDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Filtrare"));
        EXPECT_EQ(ComboBox2(*d)->itemText(0), QStringLiteral("H(z)"));
        EXPECT_FALSE(SpinEdit1(*d)->isEnabled());
        EXPECT_TRUE(numerator()->isVisible());
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_filtrat"));
        numerator()->setText(QStringLiteral("0, 1"));
        denominator()->setText(QStringLiteral("-0.5, 1"));
        EXPECT_EQ(shown(), filtered("0, 1", "-0.5, 1", *a));
        EXPECT_EQ(note(), QString());
        RadioGroup1(*d)->setItemIndex(1);
        Button1(*d)->click();
    });
    const tdspvarPtr made = workspace().findVariable("A_FILTRAT");
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->isComplex());
    EXPECT_EQ(made->real()[1], 0.5L);
    EXPECT_EQ(made->imag()[2], 0.5L);
    EXPECT_EQ(made->description(), "Variabila a filtrata cu H(z) = (0, 1) / (-0.5, 1)");
    // Another command hides the filter's fields again.
    open(a, "Fourier2", [&](ProcessingDialog*) { EXPECT_FALSE(numerator()->isVisible()); });
}

TEST_F(FilterCommandTest, TakesTheInverseZWindowsSystemWhenItChanged)
{
    const tdspvarPtr a = addVariable("A", {1, 0, 0, 0});
    InverseZWindow& z = window<InverseZWindow>();
    uitest::openAndClose(z, [&] {
        Edit1(z)->setText(QStringLiteral("1, 1"));
        Edit2(z)->setText(QStringLiteral("0, 1"));
    });
    open(a, "Filtrare1", [&](ProcessingDialog*) {
        EXPECT_EQ(numerator()->text(), QStringLiteral("1, 1"));
        EXPECT_EQ(shown(), (std::vector<complexValue>{{1, 0}, {1, 0}, {0, 0}, {0, 0}}));
        numerator()->setText(QStringLiteral("2")); // the dialog's own from now on
    });
    uitest::openAndClose(z); // opened again, nothing changed there
    open(a, "Filtrare1", [&](ProcessingDialog*) { EXPECT_EQ(numerator()->text(), QStringLiteral("2")); });
}

TEST_F(FilterCommandTest, RefusalsWriteNothingAndDivergenceIsSaid)
{
    const tdspvarPtr a = addVariable("A", {1, 2, 3});
    struct row {
        const char* denominator;
        const char* note;
        bool written;
    };
    const row rows[] = {
        {"0, 0", "Numitorul este nul.", false},
        {"", "Numitorul este nul.", false},
        {"1e4000, 1", "Filtrul diverge : de la esantionul 2 valorile nu mai sunt finite.", true},
    };
    for (const row& r : rows) {
        QString box;
        open(a, "Filtrare1", [&](ProcessingDialog* d) {
            RadioGroup1(*d)->setItemIndex(0);
            numerator()->setText(QStringLiteral("1"));
            denominator()->setText(QString::fromLatin1(r.denominator));
            EXPECT_EQ(note(), QString::fromLatin1(r.note)) << r.denominator;
            if (!r.written)
                whenModal([&](QWidget* message) { box = qobject_cast<QMessageBox*>(message)->text(); });
            QTest::mouseClick(Button1(*d), Qt::LeftButton);
        });
        EXPECT_EQ(box, r.written ? QString() : QString::fromLatin1(r.note)) << r.denominator;
        EXPECT_EQ(a->real()[1] != 2, r.written) << r.denominator;
    }
    EXPECT_EQ(a->sampleCount(), 3);
}
