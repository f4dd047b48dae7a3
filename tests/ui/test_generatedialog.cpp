// The generation dialog as a user drives it: typing a name, a formula and a count, the automatic
// switch to Complex, edits during a run, the keys of the count field and what OK creates.
#include "mainwindow_fixture.h"

#include "core/workspace.h"
#include "dsp/samplebuffer.h"
#include "ui/generatedialog.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/previewworker.h"
#include "ui/radiogroup.h"
#include "ui/samplingworker.h"
#include "ui/spinedit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

using namespace uitest::controls;

namespace {

// The dialog with collaborators of the test's own, as the main window hands over its own.
class GenerateDialogTest : public ::testing::Test {
protected:
    tworkspace workspace;
    SamplingWorker sampler;
    QImage bitmap = makePlotBitmap();
    PreviewPlotter plotter{bitmap};
    NameCorrectionDialog nameCorrection{workspace, nullptr};
    GenerateDialog dialog{{.workspace = workspace, .sampler = sampler, .nameCorrection = nameCorrection,
                           .preview = plotter},
                          nullptr};

    void TearDown() override { dialog.done(resultCode(dialogAnswer::cancel)); }

    // Shows the dialog preset as the main window does and lets the cycle settle.
    void open(const QString& name, const QString& expression)
    {
        dialog.preset(name, expression);
        dialog.show();
        settle();
    }
    // Waits until no change is pending, no run is busy or unhanded, and the preview is drawn: a
    // tick would have started a run for a pending change.
    void settle()
    {
        ASSERT_TRUE(uitest::waitUntil([&] {
            dialog.tick();
            return !sampler.busy() && !sampler.done() && !plotter.busy();
        }));
    }
    void typeInto(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QRgb pixel(int x, int y) const { return bitmap.pixel(x, y); }
};

} // namespace

TEST_F(GenerateDialogTest, ControlsStartWithTheirTextsAndDefaults)
{
    EXPECT_EQ(dialog.windowTitle(), "Generare Functie");
    EXPECT_EQ(dialog.size(), QSize(536, 352));
    EXPECT_EQ(Edit1(dialog)->text(), "var_00");
    EXPECT_EQ(Edit2(dialog)->text(), "sin(x*pi*2+0.2)");
    EXPECT_EQ(SpinEdit1(dialog)->text(), "128");
    EXPECT_EQ(RadioGroup1(dialog)->itemIndex(), 0);
    EXPECT_EQ(RadioGroup2(dialog)->itemIndex(), 1);
    EXPECT_FALSE(RadioGroup2(dialog)->isEnabled());
    EXPECT_FALSE(Button2(dialog)->isEnabled());
    EXPECT_TRUE(Button2(dialog)->isDefault());
    EXPECT_FALSE(Memo1(dialog)->isEnabled());
    EXPECT_EQ(Edit2(dialog)->geometry(), QRect(88, 32, 265, 21));
    EXPECT_EQ(SpinEdit1(dialog)->geometry(), QRect(472, 6, 57, 22));
    EXPECT_EQ(Button2(dialog)->geometry(), QRect(8, 325, 129, 20));
    EXPECT_EQ(Timer1(dialog)->interval(), 10);

    // Tab order: name, count, expression, type, representation, Cancel, OK.
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(uitest::windowActive(&dialog));
    Edit1(dialog)->setFocus();
    QWidget* expected[] = {SpinEdit1(dialog)->lineEdit(), Edit2(dialog)};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST_F(GenerateDialogTest, OkCreatesTheVariableFromTheTypedNameFormulaAndCount)
{
    open("name", "sin(x*pi*2)");
    typeInto(Edit1(dialog), "My Var-2");
    typeInto(Edit2(dialog), "sin(x*pi*2)*3");
    typeInto(SpinEdit1(dialog)->lineEdit(), "16");
    settle();
    ASSERT_TRUE(Button2(dialog)->isEnabled());
    QTest::mouseClick(Button2(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::ok));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Edit1(dialog)->text(), "myvar2");

    const tdspvarPtr v = workspace.findVariable("myvar2");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->name(), "MYVAR2");
    EXPECT_EQ(v->description(), "sin(x*pi*2)*3");
    EXPECT_FALSE(v->isComplex());
    ASSERT_EQ(v->sampleCount(), 16);
    EXPECT_TRUE(v->imag().empty());
    for (int i = 0; i < 16; ++i) {
        const extended expected = 3 * std::sin(static_cast<extended>(i) / 16 * kPi * 2);
        EXPECT_NEAR(static_cast<double>(v->real()[i] - expected), 0, 1e-17) << i;
    }
    EXPECT_NEAR(static_cast<double>(v->peak()), 3, 1e-15);
}

TEST_F(GenerateDialogTest, SingleSampleDrawsOnlyTheGridAndThePeak)
{
    open("one", "2+x");
    typeInto(SpinEdit1(dialog)->lineEdit(), "1");
    settle();
    EXPECT_EQ(plotter.samples().count, 1);
    QImage expected(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    drawEmptyPreviewGrid(expected);
    for (int y = 20; y < kPlotHeight; ++y)
        for (int x = 0; x < kPlotWidth; ++x)
            ASSERT_EQ(pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    ASSERT_TRUE(Button2(dialog)->isEnabled());
    Button2(dialog)->click();
    ASSERT_TRUE(workspace.findVariable("one"));
    EXPECT_EQ(workspace.findVariable("one")->sampleCount(), 1);
    EXPECT_EQ(workspace.findVariable("one")->real()[0], 2);
}

TEST_F(GenerateDialogTest, SwitchesToComplexOncePerOpeningAndThenRespectsReal)
{
    open("w", "exp(i*x*pi*2)");
    EXPECT_EQ(RadioGroup1(dialog)->itemIndex(), 1);
    EXPECT_TRUE(RadioGroup2(dialog)->isEnabled());
    EXPECT_TRUE(Button2(dialog)->isEnabled());

    RadioGroup1(dialog)->button(0)->click();
    EXPECT_FALSE(RadioGroup2(dialog)->isEnabled());
    typeInto(Edit2(dialog), "exp(i*x*pi*4)");
    settle();
    EXPECT_EQ(RadioGroup1(dialog)->itemIndex(), 0);

    // A Real variable from a complex formula keeps the real parts and the complex peak.
    typeInto(Edit2(dialog), "i*x");
    typeInto(SpinEdit1(dialog)->lineEdit(), "8");
    settle();
    Button2(dialog)->click();
    const tdspvarPtr v = workspace.findVariable("w");
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->isComplex());
    EXPECT_TRUE(v->imag().empty());
    for (extended sample : v->real())
        EXPECT_EQ(sample, 0);
    EXPECT_NEAR(static_cast<double>(v->peak()), 7.0 / 8, 1e-15);

    // Opening again allows one more automatic switch.
    open("w2", "exp(i*x*pi*2)");
    EXPECT_EQ(RadioGroup1(dialog)->itemIndex(), 1);
}

TEST_F(GenerateDialogTest, EditingDuringARunEndsItAndStartsTheNextAtOnce)
{
    // A slow run: three interpolated reads of a long variable per sample.
    const tdspvarPtr a =
        workspace.add("A", uitest::realSamples(4096, [](int i) -> extended { return std::sin(i * 0.01L); }));
    open("slow", "x");
    Timer1(dialog)->stop();
    typeInto(SpinEdit1(dialog)->lineEdit(), "65536");
    typeInto(Edit2(dialog), "a(x)+a(x*2)+a(x*3)");
    dialog.tick(); // parses and starts the slow run
    ASSERT_TRUE(sampler.busy()) << "the run ended too quickly for this test";
    typeInto(Edit2(dialog), "x*2");
    dialog.tick(); // ends the slow run and starts the new one
    EXPECT_FALSE(Button2(dialog)->isEnabled());
    // The first run to end is the new one: the slow one left no result behind.
    ASSERT_TRUE(uitest::waitUntil([&] { return !sampler.busy(); }));
    ASSERT_TRUE(sampler.done());
    EXPECT_EQ(sampler.buffer().values[32768].re, 1); // x*2 at x = 1/2
    EXPECT_FALSE(Button2(dialog)->isEnabled());
    dialog.tick();
    EXPECT_TRUE(Button2(dialog)->isEnabled());
    EXPECT_EQ(plotter.samples().values[32768].re, 1);
}

TEST_F(GenerateDialogTest, AFormulaLongerThanAnEditFieldsDefaultLimitStaysWhole)
{
    // x+x+...+x, 60000 terms (119999 characters), pasted as one text.
    QString sum = QStringLiteral("x");
    for (int i = 1; i < 60000; ++i)
        sum += QStringLiteral("+x");
    open("long", "x");
    QApplication::clipboard()->setText(sum);
    Edit2(dialog)->selectAll();
    Edit2(dialog)->paste();
    settle();
    EXPECT_EQ(Edit2(dialog)->text().size(), sum.size());
    EXPECT_TRUE(Memo1(dialog)->toPlainText().isEmpty());
    ASSERT_TRUE(Button2(dialog)->isEnabled());
    Button2(dialog)->click();
    const tdspvarPtr v = workspace.findVariable("LONG");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->peak(), 60000.0L * 127 / 128); // the last sample, x = 127/128
}

TEST_F(GenerateDialogTest, EnterInTheCountFieldActsAsOkOnlyWithoutAParseError)
{
    open("bad", "sin(");
    EXPECT_FALSE(Memo1(dialog)->toPlainText().isEmpty());
    EXPECT_FALSE(Button2(dialog)->isEnabled());
    QTest::keyClick(SpinEdit1(dialog)->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(workspace.findVariable("bad"));

    typeInto(Edit2(dialog), "sin(x)");
    settle();
    EXPECT_TRUE(Memo1(dialog)->toPlainText().isEmpty());
    QTest::keyClick(SpinEdit1(dialog)->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::ok));
    EXPECT_TRUE(workspace.findVariable("bad"));
}

TEST_F(GenerateDialogTest, EscapeInTheCountFieldCancels)
{
    open("esc", "x");
    QTest::keyClick(SpinEdit1(dialog)->lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::cancel));
    EXPECT_EQ(workspace.variableCount(), 0);
}

TEST_F(GenerateDialogTest, CountFieldIsClampedAndFallsBackTo128)
{
    open("var_00", "x");
    for (const auto& [typed, count] : {std::pair{"0", 1}, std::pair{"-5", 1}, std::pair{"1.5", 128},
                                       std::pair{"70000", 65536}}) {
        typeInto(SpinEdit1(dialog)->lineEdit(), QString::fromLatin1(typed));
        settle();
        EXPECT_EQ(sampler.buffer().count, count) << typed;
    }
    typeInto(SpinEdit1(dialog)->lineEdit(), "abc123456");
    EXPECT_EQ(SpinEdit1(dialog)->text(), "12345"); // letters refused, five characters at most

    typeInto(SpinEdit1(dialog)->lineEdit(), "70000");
    settle();
    EXPECT_EQ(plotter.samples().count, 65536);
    Button2(dialog)->click();
    ASSERT_TRUE(workspace.findVariable("var_00"));
    EXPECT_EQ(workspace.findVariable("var_00")->sampleCount(), 65536);
}

TEST_F(GenerateDialogTest, PolarPreviewOfTheComplexConstantOne)
{
    open("c", "1");
    RadioGroup1(dialog)->button(1)->click();
    settle();
    ASSERT_EQ(RadioGroup2(dialog)->itemIndex(), 1);
    for (int x = 0; x < kPlotWidth; x += 7) {
        EXPECT_EQ(pixel(x, 2), qRgb(0, 0, 255)) << x;
        EXPECT_EQ(pixel(x, 144), qRgb(255, 0, 0)) << x;
    }
    RadioGroup2(dialog)->button(0)->click(); // cartesian: real part white at the top
    settle();
    EXPECT_EQ(pixel(200, 2), qRgb(255, 255, 255));
}

TEST_F(GenerateDialogTest, ClosingDuringALongPreviewEndsIt)
{
    open("long", "x");
    typeInto(SpinEdit1(dialog)->lineEdit(), "65536");
    typeInto(Edit2(dialog), "sin(x*pi*200)");
    ASSERT_TRUE(uitest::stepUntil([&] { return plotter.busy() && plotter.progress() > 0; }));
    Button1(dialog)->click();
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::cancel));
    const QImage atClose = bitmap.copy();
    ASSERT_TRUE(uitest::waitUntil([&] { return !plotter.busy(); }, 2000));
    EXPECT_LT(plotter.progress(), 100);
    EXPECT_EQ(bitmap, atClose);
}

TEST_F(GenerateDialogTest, RefusedNameGoesThroughTheCorrectionDialog)
{
    workspace.add("TAKEN", {});
    open("Ta-ken", "x");
    QString proposed;
    bool skipOffered = true;
    uitest::whenModal([&](QWidget* modal) {
        auto* correction = qobject_cast<NameCorrectionDialog*>(modal);
        ASSERT_TRUE(correction);
        proposed = Edit1(*correction)->text();
        skipOffered = Button3(*correction)->isVisible();
        Edit1(*correction)->setText("fresh one");
        Button1(*correction)->click();
    });
    Button2(dialog)->click();
    EXPECT_EQ(proposed, "taken");
    EXPECT_FALSE(skipOffered);
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::ok));
    const tdspvarPtr v = workspace.findVariable("FRESHONE");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->name(), "FRESHONE");
    EXPECT_EQ(v->sampleCount(), 128);
}

TEST_F(GenerateDialogTest, CancellingTheCorrectionDialogCreatesNothingAndStillCloses)
{
    workspace.add("TAKEN", {});
    open("taken", "x");
    uitest::whenModal([](QWidget* modal) {
        ASSERT_TRUE(qobject_cast<NameCorrectionDialog*>(modal));
        Button2(*static_cast<NameCorrectionDialog*>(modal))->click();
    });
    Button2(dialog)->click();
    EXPECT_EQ(dialog.result(), resultCode(dialogAnswer::ok));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(workspace.variableCount(), 1);
}

TEST_F(GenerateDialogTest, ARunThatOutlivesTheDialogKeepsARemovedVariableAliveUntilItEnds)
{
    tdspvarPtr a =
        workspace.add("A", uitest::realSamples(4096, [](int i) -> extended { return std::cos(i * 0.01L); }));
    const std::weak_ptr<tdspvar> watch = a;
    open("later", "x");
    Timer1(dialog)->stop();
    typeInto(SpinEdit1(dialog)->lineEdit(), "65536");
    typeInto(Edit2(dialog), "a(x)+a(x*2)+a(x*3)");
    dialog.tick();
    ASSERT_TRUE(sampler.busy()) << "the run ended too quickly for this test";
    Button1(dialog)->click(); // the run cannot be cancelled and goes on in the background
    workspace.removeVariable(a);
    a.reset();
    EXPECT_FALSE(watch.expired()); // the run's tree still reads it

    ASSERT_TRUE(uitest::waitUntil([&] { return !sampler.busy(); }));
    EXPECT_TRUE(watch.expired()); // the tree went with the end of the run
    EXPECT_TRUE(sampler.done()); // its result waits for the next opening

    open("later", "x");
    EXPECT_TRUE(Button2(dialog)->isEnabled());
    EXPECT_EQ(plotter.samples().values[100].re, static_cast<extended>(100) / 65536);
}
