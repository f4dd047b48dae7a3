// The processing dialog: what each opening shows, the change handling (default name, length,
// recomputation into the sample buffer), and what "Ok" writes into the workspace.
#include "mainwindow_fixture.h"

#include "dsp/operations.h"
#include "ui/bitmapview.h"
#include "ui/namecorrection.h"
#include "ui/plotbitmap.h"
#include "ui/processingdialog.h"
#include "ui/radiogroup.h"
#include "ui/spinedit.h"
#include "ui/previewoverlay.h"
#include "ui/previewworker.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

using namespace uitest::controls;

using uitest::MainWindowTest;
using uitest::waitUntil;
using uitest::whenModal;

namespace {

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

// The variable's samples as complex pairs (a real variable with imaginary parts 0).
std::vector<complexValue> samplesOf(const tdspvar& v)
{
    std::vector<complexValue> out;
    for (int i = 0; i < v.sampleCount(); ++i)
        out.push_back({v.real()[static_cast<std::size_t>(i)], v.isComplex() ? v.imag()[static_cast<std::size_t>(i)] : 0});
    return out;
}

// What the operations give for a request, computed on buffers of the test's own.
std::vector<complexValue> expected(processingType type, const tdspvar& source, const tdspvar* operand,
                                   int windowIndex = 0, int length = 128)
{
    sampleBuffer out;
    runProcessing({.type = type, .source = &source, .operand = operand, .windowIndex = windowIndex,
                   .length = length},
                  out);
    return {out.values.begin(), out.values.begin() + out.count};
}

class ProcessingDialogTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        preview().shutdown();
        ASSERT_TRUE(waitForThumbnails());
        MainWindowTest::TearDown();
    }

    ProcessingDialog* dialog() { return &window<ProcessingDialog>(); }

    // Opens the dialog for `type` on `current` as the main window's commands do, runs `act`
    // inside it, and returns the dialog's result (2 when `act` left it open).
    int open(processingType type, const tdspvarPtr& current, const std::function<void(ProcessingDialog*)>& act)
    {
        strips().setCurrent(current);
        whenModal([this, act](QWidget* modal) {
            ASSERT_EQ(modal, dialog());
            dialog()->activateWindow();
            ASSERT_TRUE(waitUntil([this] { return QApplication::activeWindow() == dialog(); }));
            act(dialog());
        });
        mainWindow->showProcessing(type);
        return dialog()->result();
    }

    static void setLength(ProcessingDialog* d, const QString& text)
    {
        QLineEdit* edit = SpinEdit1(*d)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    void waitForPreview()
    {
        ASSERT_TRUE(waitUntil([this] { return !preview().busy(); }));
    }
    // Whether the preview's picture holds a pixel of `colour`.
    bool previewShows(QRgb colour)
    {
        const QImage& image = preview().bitmap();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    }
};

} // namespace

TEST_F(ProcessingDialogTest, FourierOpensOnTheCurrentVariableAndOverwritesItInPlace)
{
    addVariable("B", {5, 6});
    const tdspvarPtr a = addVariable("A", {1, 2, 0, -1, 3});
    const std::vector<complexValue> transform = expected(processingType::fourier, *a, nullptr, 0);
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("Procesare"));

    const int result = open(processingType::fourier, a, [&](ProcessingDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Transformata Fourier"));
        EXPECT_EQ(itemsOf(ComboBox1(*d)), (QStringList{"b", "a"}));
        EXPECT_EQ(ComboBox1(*d)->currentText(), QStringLiteral("a"));
        EXPECT_EQ(itemsOf(ComboBox2(*d)), (QStringList{"Directa", "Inversa"}));
        EXPECT_EQ(ComboBox2(*d)->currentIndex(), 0);
        EXPECT_FALSE(SpinEdit1(*d)->isEnabled());
        EXPECT_EQ(RadioGroup1(*d)->itemIndex(), 0);
        EXPECT_FALSE(Edit1(*d)->isEnabled());
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_fourier"));
        // The inverse direction keeps the name and recomputes.
        ComboBox2(*d)->setCurrentIndex(1);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_fourier"));
        EXPECT_EQ(preview().samples().count, 5);
        ComboBox2(*d)->setCurrentIndex(0);
        Button1(*d)->click();
    });
    EXPECT_EQ(result, resultCode(dialogAnswer::ok));
    EXPECT_EQ(workspace().variableCount(), 2);
    EXPECT_TRUE(a->isComplex());
    EXPECT_EQ(samplesOf(*a), transform);
    EXPECT_EQ(a->description(), "made by a test");
}

TEST_F(ProcessingDialogTest, OperandListAndDefaultNamePerType)
{
    const tdspvarPtr a = addVariable("A");
    addVariable("Bq");
    struct row {
        processingType type;
        QStringList operands;
        const char* name;
    };
    const QStringList variables{"a", "bq"};
    using enum processingType;
    const row rows[] = {
        {windowing, {"Dirichlet", "Bartlett", "Hamming", "Hanning", "Blackman"}, "a_Dirichlet"},
        {autocorrelation, {"Autocorelatie"}, "a_co_a"},
        {resampling, {"Resample"}, "a_resample128"},
        {correlation, variables, "a_co_a"},
        {product, variables, "a_mult_a"},
        {convolution, variables, "a_cv_a"},
    };
    for (const row& r : rows) {
        const int type = static_cast<int>(r.type);
        open(r.type, a, [&](ProcessingDialog* d) {
            EXPECT_EQ(itemsOf(ComboBox2(*d)), r.operands) << type;
            EXPECT_EQ(ComboBox2(*d)->currentIndex(), 0) << type;
            EXPECT_EQ(SpinEdit1(*d)->isEnabled(), r.type == resampling) << type;
            EXPECT_EQ(Edit1(*d)->text(), QString::fromLatin1(r.name)) << type;
        });
    }
    // A later choice in the operand list renames; the window list selects the window.
    open(processingType::windowing, a, [&](ProcessingDialog* d) {
        ComboBox2(*d)->setCurrentIndex(3);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_Hanning"));
        const std::vector<complexValue> hanning = expected(processingType::windowing, *a, nullptr, 3);
        const sampleBuffer& b = preview().samples();
        EXPECT_EQ(std::vector<complexValue>(b.values.begin(), b.values.begin() + b.count), hanning);
    });
    open(processingType::convolution, a, [&](ProcessingDialog* d) {
        ComboBox2(*d)->setCurrentIndex(1);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_cv_bq"));
        EXPECT_EQ(preview().samples().count, 6); // N1 + N2
    });
}

TEST_F(ProcessingDialogTest, NewVariableCarriesTheDescriptionOfItsOperation)
{
    const tdspvarPtr a = addVariable("A");
    addVariable("Bq");
    struct row {
        processingType type;
        int operand; // the operand list's item
        const char* description;
    };
    using enum processingType;
    const row rows[] = {
        {windowing, 3, "Variabila a ferestruita cu Hanning"},
        {autocorrelation, 0, "Autocorelatia variabilei a"},
        {resampling, 0, "Variabilea a cu numar schimbat de sampleuri"},
        {correlation, 1, "Corelatia variabilelor a si bq"},
        {sum, 1, "Suma variabilelor a si bq"},
        {product, 0, "Produsul variabilelor a si a"},
        {fourier, 1, "Transformata Fourier a variabilei a"},
        {convolution, 1, "Convolutia variabilelor a si bq"},
    };
    int made = 0;
    for (const row& r : rows) {
        const QString name = QStringLiteral("made%1").arg(++made);
        open(r.type, a, [&](ProcessingDialog* d) {
            ComboBox2(*d)->setCurrentIndex(r.operand);
            RadioGroup1(*d)->button(1)->click();
            Edit1(*d)->setText(name);
            Button1(*d)->click();
        });
        const tdspvarPtr v = workspace().findVariable(name.toStdString());
        ASSERT_TRUE(v) << r.description;
        EXPECT_EQ(v->description(), r.description);
    }
}

TEST_F(ProcessingDialogTest, ResamplingLengthFromTheField)
{
    const tdspvarPtr a = addVariable("A", {0, 1});
    const tdspvarPtr b = addVariable("B", {4, 5, 6});
    open(processingType::resampling, a, [&](ProcessingDialog* d) {
        setLength(d, QStringLiteral("300"));
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_resample300"));
        EXPECT_EQ(preview().samples().count, 300);
        ComboBox1(*d)->setCurrentIndex(1);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("b_resample300"));
        EXPECT_EQ(preview().samples().count, 300);
        for (const char* text : {"0", "70000", "", "-5", "+"}) {
            setLength(d, QString::fromLatin1(text));
            EXPECT_EQ(preview().samples().count, 128) << text;
            EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("b_resample128")) << text; // the result's length
        }
        // Only digits, signs and the point can be typed, at most five of them.
        setLength(d, QStringLiteral("1a2b3456"));
        EXPECT_EQ(SpinEdit1(*d)->text(), QStringLiteral("12345"));
        // Arrows step by one within the range.
        setLength(d, QStringLiteral("65536"));
        QTest::keyClick(SpinEdit1(*d)->lineEdit(), Qt::Key_Up);
        EXPECT_EQ(SpinEdit1(*d)->text(), QStringLiteral("65536"));
        QTest::keyClick(SpinEdit1(*d)->lineEdit(), Qt::Key_Down);
        EXPECT_EQ(preview().samples().count, 65535);
        // Leaving the field pulls a number into the range, a change like any other.
        for (const auto& [typed, bound] : {std::pair{"0", "1"}, std::pair{"70000", "65536"}}) {
            SpinEdit1(*d)->setFocus();
            setLength(d, QString::fromLatin1(typed));
            ComboBox1(*d)->setFocus();
            EXPECT_EQ(SpinEdit1(*d)->text(), QString::fromLatin1(bound));
            EXPECT_EQ(preview().samples().count, SpinEdit1(*d)->text().toInt());
        }
        setLength(d, QStringLiteral("4"));
        Button1(*d)->click();
    });
    EXPECT_EQ(samplesOf(*b), expected(processingType::resampling, *b, nullptr, 0, 4));
    EXPECT_EQ(b->sampleCount(), 4);
    EXPECT_FALSE(b->isComplex());
    // The length stays for the next opening.
    open(processingType::resampling, a, [&](ProcessingDialog* d) { EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_resample4")); });
}

TEST_F(ProcessingDialogTest, EnterInTheLengthFieldIsOkAndEscapeIsCancel)
{
    const tdspvarPtr a = addVariable("A", {1, 2, 3, 4});
    EXPECT_EQ(open(processingType::resampling, a, [&](ProcessingDialog* d) {
        setLength(d, QStringLiteral("2"));
        QTest::keyClick(SpinEdit1(*d)->lineEdit(), Qt::Key_Escape);
    }), resultCode(dialogAnswer::cancel));
    EXPECT_EQ(a->sampleCount(), 4);
    EXPECT_EQ(open(processingType::resampling, a, [&](ProcessingDialog* d) {
        setLength(d, QStringLiteral("2"));
        QTest::keyClick(SpinEdit1(*d)->lineEdit(), Qt::Key_Return);
    }), resultCode(dialogAnswer::ok));
    EXPECT_EQ(a->sampleCount(), 2);

    // A length out of the range is refused with the range, and the dialog stays open for another.
    QString refusal;
    EXPECT_EQ(open(processingType::resampling, a, [&](ProcessingDialog* d) {
        setLength(d, QStringLiteral("99999"));
        whenModal([&](QWidget* box) { refusal = qobject_cast<QMessageBox*>(box)->text(); });
        QTest::keyClick(SpinEdit1(*d)->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), SpinEdit1(*d)->lineEdit()); // for another length
    }), resultCode(dialogAnswer::cancel));
    EXPECT_EQ(refusal, QStringLiteral("Numar de esantioane gresit : 99999\nSe accepta valori intre 1 si 65536."));
    EXPECT_EQ(a->sampleCount(), 2);
}

TEST_F(ProcessingDialogTest, NewVariableNameFollowsUntilTyped)
{
    const tdspvarPtr a = addVariable("A");
    addVariable("B");
    const int result = open(processingType::sum, a, [&](ProcessingDialog* d) {
        RadioGroup1(*d)->button(1)->click();
        EXPECT_TRUE(Edit1(*d)->isEnabled());
        EXPECT_TRUE(Edit1(*d)->hasFocus());
        ComboBox2(*d)->setCurrentIndex(1);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_plus_b"));
        Edit1(*d)->selectAll();
        QTest::keyClicks(Edit1(*d), QStringLiteral("My Var-2"));
        ComboBox2(*d)->setCurrentIndex(0);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("My Var-2"));
        Button1(*d)->click();
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("myvar2"));
    });
    EXPECT_EQ(result, resultCode(dialogAnswer::ok));
    const tdspvarPtr made = workspace().findVariable("MYVAR2");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->name(), "MYVAR2");
    EXPECT_EQ(made->description(), "Suma variabilelor a si a");
    EXPECT_EQ(samplesOf(*made), expected(processingType::sum, *a, a.get()));
    EXPECT_EQ(a->description(), "made by a test");
    // The next opening follows the default name again, in the destination left chosen.
    open(processingType::sum, a, [&](ProcessingDialog* d) {
        EXPECT_EQ(RadioGroup1(*d)->itemIndex(), 1);
        EXPECT_EQ(Edit1(*d)->text(), QStringLiteral("a_plus_a"));
    });
}

TEST_F(ProcessingDialogTest, RealSourceWithComplexOperandGivesAComplexVariable)
{
    const tdspvarPtr a = addVariable("A", {1, 2});
    const tdspvarPtr j = addVariable("J", {0, 0}, {1, 1});
    open(processingType::sum, a, [&](ProcessingDialog* d) {
        RadioGroup1(*d)->setItemIndex(1);
        const QRgb lightYellow = qRgb(255, 255, 127); // imaginary parts
        ComboBox2(*d)->setCurrentIndex(1);
        waitForPreview();
        EXPECT_TRUE(previewShows(lightYellow));
        ComboBox2(*d)->setCurrentIndex(0);
        waitForPreview();
        EXPECT_FALSE(previewShows(lightYellow));
        ComboBox2(*d)->setCurrentIndex(1);
        Button1(*d)->click();
    });
    const tdspvarPtr made = workspace().findVariable("A_PLUS_J");
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->isComplex());
    EXPECT_EQ(samplesOf(*made), (std::vector<complexValue>{{1, 1}, {2, 1}}));
    EXPECT_FALSE(a->isComplex());
}

TEST_F(ProcessingDialogTest, RefusedNameGoesThroughTheNameCorrection)
{
    const tdspvarPtr a = addVariable("A", {1, 2, 3, 4});
    addVariable("A_FOURIER");
    NameCorrectionDialog* correction = &window<NameCorrectionDialog>();
    // Cancelled: nothing is created and the processing dialog still closes with Ok.
    QString proposed;
    int result = open(processingType::fourier, a, [&](ProcessingDialog* d) {
        RadioGroup1(*d)->setItemIndex(1);
        whenModal([&](QWidget* modal) {
            ASSERT_EQ(modal, correction);
            proposed = Edit1(*correction)->text();
            Button2(*correction)->click();
        });
        Button1(*d)->click();
    });
    EXPECT_EQ(result, resultCode(dialogAnswer::ok));
    EXPECT_EQ(proposed, QStringLiteral("a_fourier"));
    EXPECT_EQ(workspace().variableCount(), 2);
    EXPECT_FALSE(a->isComplex());
    // Accepted: the typed name is normalised.
    result = open(processingType::fourier, a, [&](ProcessingDialog* d) {
        whenModal([&](QWidget*) {
            Edit1(*correction)->setText(QStringLiteral("spectrum of a"));
            Button1(*correction)->click();
        });
        Button1(*d)->click();
    });
    EXPECT_EQ(result, resultCode(dialogAnswer::ok));
    const tdspvarPtr made = workspace().findVariable("SPECTRUMOFA");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->description(), "Transformata Fourier a variabilei a");
    EXPECT_TRUE(made->isComplex());
}

TEST_F(ProcessingDialogTest, CommittedPeakIsTheLargestModulusOfTheResult)
{
    const tdspvarPtr a = addVariable("A", {3, 0, 0, 0});
    addVariable("J", {0, 0, 0}, {-4, 0, 0});
    // Through an idle plotter: a * j = [-12j, 0, 0, 0].
    open(processingType::product, a, [&](ProcessingDialog* d) {
        RadioGroup1(*d)->setItemIndex(0);
        ComboBox2(*d)->setCurrentIndex(1);
        waitForPreview();
        Button1(*d)->click();
    });
    EXPECT_EQ(a->peak(), 12);
    ASSERT_TRUE(a->isComplex());
    EXPECT_EQ(a->imag()[0], -12);
    // Committed at once, before the plotter's pass has got to the new buffer (-12j * -4j = -48).
    open(processingType::product, a, [&](ProcessingDialog* d) {
        ComboBox2(*d)->setCurrentIndex(1);
        Button1(*d)->click();
    });
    EXPECT_EQ(a->peak(), 48);
    EXPECT_EQ(a->real()[0], -48);
}

TEST_F(ProcessingDialogTest, OverwritingWhileTheThumbnailDrawsIsSafe)
{
    signalSamples samples;
    samples.resize(65536, true);
    for (int i = 0; i < 65536; ++i) {
        samples.re[static_cast<std::size_t>(i)] = std::sin(i * 0.01L);
        samples.im[static_cast<std::size_t>(i)] = std::cos(i * 0.01L);
    }
    const tdspvarPtr big = workspace().add("BIG", std::move(samples));
    for (int round = 0; round < 3; ++round) {
        workspace().replaceSamples(big, big->samples()); // the thumbnail is drawn again
        open(processingType::resampling, big, [&](ProcessingDialog* d) {
            RadioGroup1(*d)->setItemIndex(0);
            setLength(d, round == 1 ? QStringLiteral("65536") : QStringLiteral("7"));
            Button1(*d)->click();
        });
    }
    EXPECT_EQ(big->sampleCount(), 7);
    ASSERT_TRUE(waitForThumbnails());
}

TEST_F(ProcessingDialogTest, PreviewDrawsTheResult)
{
    const tdspvarPtr a = addVariable("A", {1, 0, 0, 0, 0, 0, 0, 0});
    const QRgb lightYellow = qRgb(255, 255, 127);
    bool complexShown = false;
    bool realShown = true;
    open(processingType::fourier, a, [&](ProcessingDialog* d) {
        // The direct transform of a unit pulse is 1 everywhere: a flat white line at the top.
        waitForPreview();
        complexShown = previewShows(lightYellow);
        EXPECT_EQ(preview().bitmap().pixel(200, 2), qRgb(255, 255, 255));
        d->close();
    });
    open(processingType::windowing, a, [&](ProcessingDialog*) {
        waitForPreview();
        realShown = previewShows(lightYellow);
    });
    EXPECT_TRUE(complexShown);
    EXPECT_FALSE(realShown);
}

TEST_F(ProcessingDialogTest, TabOrderAndThePreviewsFocusFrame)
{
    const tdspvarPtr a = addVariable("A");
    std::vector<QWidget*> visited;
    std::vector<QWidget*> expectedOrder;
    std::vector<bool> framed; // the picture on screen differs from the bitmap, at each stop
    open(processingType::resampling, a, [&](ProcessingDialog* d) {
        waitForPreview();
        RadioGroup1(*d)->setItemIndex(1);
        ComboBox1(*d)->setFocus();
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // The destination group is one stop, whichever of its items takes the focus.
            visited.push_back(focus && focus->parentWidget() == RadioGroup1(*d) ? RadioGroup1(*d) : focus);
            const QImage shown = d->grab(tBmpLnk1(*d)->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
            framed.push_back(shown != preview().bitmap());
        }
        expectedOrder = {ComboBox2(*d), SpinEdit1(*d)->lineEdit(), tBmpLnk1(*d), RadioGroup1(*d),
                         Edit1(*d), Button1(*d), Button2(*d), ComboBox1(*d)};
    });
    EXPECT_EQ(visited, expectedOrder);
    EXPECT_EQ(framed, (std::vector<bool>{false, false, true, false, false, false, false, false}));
}

TEST_F(ProcessingDialogTest, AResultBeyondTheLargestVariableIsRefused)
{
    // The convolution of the largest variable with itself would have twice as many samples: the
    // preview stays empty, and Ok says why and writes nothing.
    std::vector<extended> impulse(kMaxVariableSamples, 0);
    impulse[0] = 1;
    const tdspvarPtr a = workspace().add("A", signalSamples::real(std::move(impulse)));
    addVariable("B");
    QString box, shownInPlace;
    const int result = open(processingType::convolution, a, [&](ProcessingDialog* d) {
        RadioGroup1(*d)->setItemIndex(1);
        shownInPlace = d->findChild<PreviewOverlay*>()->message(); // as soon as it is known
        whenModal([&](QWidget* modal) {
            auto* message = qobject_cast<QMessageBox*>(modal);
            box = message ? message->text() : QStringLiteral("no message box");
        });
        QTest::mouseClick(Button1(*d), Qt::LeftButton);
    });
    const QString expected = QStringLiteral("Result too large: 2097152 samples, more than the 1048576 a variable holds");
    EXPECT_EQ(box.toStdString(), expected.toStdString());
    EXPECT_EQ(shownInPlace, expected);
    EXPECT_EQ(result, resultCode(dialogAnswer::ok));
    EXPECT_EQ(preview().samples().count, 0);
    EXPECT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(a->sampleCount(), kMaxVariableSamples);

    // With short operands the same dialog computes again.
    const int fine = open(processingType::convolution, workspace().variables()[1], [&](ProcessingDialog* d) {
        EXPECT_EQ(preview().samples().count, 0); // B with the first operand, A
        ComboBox2(*d)->setCurrentIndex(1);
        EXPECT_EQ(preview().samples().count, 6);
        EXPECT_TRUE(d->findChild<PreviewOverlay*>()->message().isEmpty());
        RadioGroup1(*d)->setItemIndex(0);
        QTest::mouseClick(Button1(*d), Qt::LeftButton);
    });
    EXPECT_EQ(fine, resultCode(dialogAnswer::ok));
    EXPECT_EQ(workspace().variables()[1]->sampleCount(), 6);
}
