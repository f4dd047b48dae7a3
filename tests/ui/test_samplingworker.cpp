// The sampling worker's stop: a formula that would take over a minute (3000 interpolated reads of a
// 65536-sample variable per point) ends within a fraction of a second when stopped, destroyed with
// its worker, or when the program's main window closes; a stopped run is nobody's result, and the
// next run is whole again.
#include "mainwindow_fixture.h"

#include "core/workspace.h"
#include "expr/parser.h"
#include "ui/generatedialog.h"
#include "ui/previewworker.h"
#include "ui/samplingworker.h"
#include "ui/spinedit.h"

#include <QLineEdit>
#include <QProgressBar>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>

using namespace uitest::controls;

namespace {

using clock_type = std::chrono::steady_clock;

// A stop is noticed within about a millisecond of work; the rest of this allowance is for a busy
// machine, and for the sanitizer builds, which run everything many times slower.
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
constexpr auto kPrompt = std::chrono::milliseconds(1000);
#else
constexpr auto kPrompt = std::chrono::milliseconds(200);
#endif

std::string slowFormula()
{
    std::string text = "v(x)";
    for (int k = 1; k < 3000; ++k)
        text += "+v(x)";
    return text;
}

void fillLongVariable(tworkspace& workspace)
{
    const tdspvarPtr v =
        workspace.add("V", uitest::realSamples(65536, [](int k) -> extended { return std::sin(k * 0.001L); }));
}

// Starts the slow run and lets it get well into its work.
void startSlowRun(SamplingWorker& worker, const tworkspace& workspace)
{
    worker.start(parseExpression(slowFormula(), workspace).root, 65536);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(worker.busy());
}

template <typename F> clock_type::duration timed(F&& f)
{
    const auto started = clock_type::now();
    f();
    return clock_type::now() - started;
}

class SamplingWorkerTest : public uitest::MainWindowTest {};

} // namespace

TEST_F(SamplingWorkerTest, ALongRunEndsPromptlyAndTheNextRunIsWhole)
{
    tworkspace workspace;
    fillLongVariable(workspace);
    SamplingWorker worker;

    // stop() returns once the run has noticed and its thread has ended.
    startSlowRun(worker, workspace);
    EXPECT_LT(timed([&] { worker.stop(); }), kPrompt);
    EXPECT_FALSE(worker.busy());
    EXPECT_FALSE(worker.done());
    EXPECT_LT(worker.progress(), 100);

    worker.start(parseExpression("x*2", workspace).root, 8);
    EXPECT_TRUE(uitest::waitUntil([&] { return !worker.busy(); }));
    EXPECT_TRUE(worker.done());
    EXPECT_EQ(worker.progress(), 100);
    ASSERT_EQ(worker.buffer().count, 8);
    EXPECT_EQ(worker.buffer().values[3].re, 0.75L);

    // A worker that goes away takes its run with it.
    auto doomed = std::make_unique<SamplingWorker>();
    startSlowRun(*doomed, workspace);
    EXPECT_LT(timed([&] { doomed.reset(); }), kPrompt);
}


// Escape leaves the run going in the background, as ever; closing the program ends it.
TEST_F(SamplingWorkerTest, ClosingTheMainWindowEndsARunLeftBehindByTheDialog)
{
    fillLongVariable(workspace());
    GenerateDialog& dialog = window<GenerateDialog>();
    dialog.preset("slow", QString::fromStdString(slowFormula()));
    SpinEdit1(dialog)->lineEdit()->setText("65536");
    dialog.tick(); // parses and starts the run
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    dialog.tick(); // the gauge shows the run's progress, 100 only once it has finished
    ASSERT_LT(Gauge1(dialog)->value(), 100);
    dialog.done(resultCode(dialogAnswer::cancel));

    EXPECT_LT(timed([&] { mainWindow->closeWithoutAsking(); }), std::chrono::seconds(1));
    EXPECT_LT(timed([&] { mainWindow.reset(); }), std::chrono::seconds(1));
}
