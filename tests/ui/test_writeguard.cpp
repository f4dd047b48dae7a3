// The workspace's write guard as the windows meet it: a sampling run that goes on after its
// generation dialog has closed reads a variable, and a command then changes that variable's
// samples in place. The writer cancels the run rather than waiting it out (it would take minutes),
// every written sample lands, and the next opening of the generation dialog makes its variable
// whole from the new samples, never from the interrupted run.
#include "mainwindow_fixture.h"

#include "dsp/operations.h"
#include "dsp/sampling.h"
#include "expr/parser.h"
#include "ui/generatedialog.h"
#include "ui/previewworker.h"
#include "ui/processingdialog.h"
#include "ui/radiogroup.h"
#include "ui/spinedit.h"
#include "ui/valuetable.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <cmath>
#include <functional>

using namespace uitest::controls;

namespace {

using uitest::MainWindowTest;

// 3000 interpolated reads of the variable per point at 65536 points: a run of minutes.
QString slowFormula()
{
    QString text = QStringLiteral("a(x)");
    for (int k = 1; k < 3000; ++k)
        text += QStringLiteral("+a(x)");
    return text;
}

// What the next opening computes, on the samples as they are after the write.
const QString kNextFormula = QStringLiteral("a(x)+a(x*2)");

// However busy the machine and slow the sanitizer build, far below the run's own minutes.
constexpr qint64 kWriterMs = 10000;

tdspvarPtr copyOf(const tdspvar& v)
{
    return std::make_shared<tdspvar>(v);
}

class WriteGuardTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        preview().shutdown();
        ASSERT_TRUE(waitForThumbnails());
        MainWindowTest::TearDown();
    }

    // Starts the slow run on `a` in the generation dialog and closes the dialog, leaving the run
    // going in the background.
    void leaveARunGoing()
    {
        GenerateDialog& generation = window<GenerateDialog>();
        generation.preset(QStringLiteral("later"), QStringLiteral("x"));
        generation.show();
        ASSERT_TRUE(uitest::waitUntil([&] { return Button2(generation)->isEnabled(); }));
        Timer1(generation)->stop();
        SpinEdit1(generation)->setText(QStringLiteral("65536"));
        Edit2(generation)->setText(slowFormula());
        generation.tick(); // parses and starts the run
        Button1(generation)->click();
    }

    // What the next formula gives on the workspace as it is now, computed here.
    sampleBuffer expectedRun()
    {
        const parsedExpression parsed = parseExpression(kNextFormula.toStdString(), workspace());
        sampleBuffer buffer;
        std::atomic<int> progress{0};
        runSampling(*parsed.root, 65536, buffer, progress);
        return buffer;
    }
};

} // namespace

TEST_F(WriteGuardTest, AWriterEndsTheBackgroundRunThenWritesEverySample)
{
    struct writer {
        const char* what;
        std::function<void()> command; // changes A's samples in place through a window
        std::function<void(const tdspvar& before, const tdspvar& after)> check;
    };
    const writer writers[] = {
        {"value table",
         [this] {
             uitest::whenModal([](QWidget* modal) {
                 auto* table = qobject_cast<ValueTableDialog*>(modal);
                 ASSERT_TRUE(table);
                 StringGrid1(*table)->item(5, 1)->setText(QStringLiteral("2.5"));
             });
             mainWindow->showValues();
         },
         [](const tdspvar& before, const tdspvar& after) {
             std::vector<extended> expected = before.real();
             expected[5] = 2.5L;
             EXPECT_EQ(after.real(), expected);
         }},
        {"resampling in place",
         [this] {
             uitest::whenModal([](QWidget* modal) {
                 auto* processing = qobject_cast<ProcessingDialog*>(modal);
                 ASSERT_TRUE(processing);
                 RadioGroup1(*processing)->setItemIndex(0); // the same variable
                 SpinEdit1(*processing)->setText(QStringLiteral("1000"));
                 Button1(*processing)->click();
             });
             mainWindow->showProcessing(processingType::resampling);
         },
         [](const tdspvar& before, const tdspvar& after) {
             sampleBuffer expected;
             runProcessing({.type = processingType::resampling, .source = &before, .length = 1000}, expected);
             ASSERT_EQ(after.sampleCount(), 1000);
             for (std::size_t i = 0; i < 1000; ++i)
                 ASSERT_EQ(after.real()[i], expected.values[i].re) << i;
         }},
    };
    for (const writer& w : writers) {
        SCOPED_TRACE(w.what);
        for (const tdspvarPtr& v : std::vector<tdspvarPtr>(workspace().variables()))
            workspace().removeVariable(v);
        const tdspvarPtr a =
            workspace().add("A", uitest::realSamples(4096, [](int i) -> extended { return std::sin(i * 0.01L); }));
        const tdspvarPtr before = copyOf(*a);

        leaveARunGoing();
        strips().setCurrent(a);
        QElapsedTimer clock;
        clock.start();
        w.command();
        EXPECT_LT(clock.elapsed(), kWriterMs);
        w.check(*before, *a);

        // The next opening's OK makes its formula on the new samples, computed whole.
        const sampleBuffer expected = expectedRun();
        GenerateDialog& generation = window<GenerateDialog>();
        Edit2(generation)->setText(kNextFormula);
        generation.show();
        ASSERT_TRUE(uitest::waitUntil([&] { return Button2(generation)->isEnabled(); }));
        Button2(generation)->click();
        const tdspvarPtr made = workspace().findVariable("LATER");
        ASSERT_TRUE(made);
        ASSERT_EQ(made->sampleCount(), 65536);
        for (std::size_t i = 0; i < 65536; ++i)
            ASSERT_EQ(made->real()[i], expected.values[i].re) << i;
    }
}
