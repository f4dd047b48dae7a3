#include "uitest.h"

#include "ui/guihandover.h"
#include "ui/workerthread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

// A worker that hands `count` steps over, each adding its index to a GUI-side total.
class countingWorker {
public:
    explicit countingWorker(int count) : count_(count) {}
    std::atomic<bool> stop{false};
    std::atomic<int> handed{0};
    long guiTotal = 0; // written only by the steps, on the GUI thread
    WorkerThread thread;

    void start() { thread.start([this] { run(); }); }

private:
    void run()
    {
        for (int i = 0; i < count_; ++i) {
            const int value = i;
            if (!GuiHandOver::instance().run([&] { guiTotal += value; }, stop))
                return;
            ++handed;
        }
    }

private:
    int count_;
};

} // namespace

TEST(GuiHandOver, StepsRunOnTheGuiThreadInOrder)
{
    GuiHandOver::instance();
    std::vector<std::unique_ptr<countingWorker>> workers;
    for (int k = 0; k < 4; ++k)
        workers.push_back(std::make_unique<countingWorker>(500));
    for (auto& w : workers)
        w->start();
    uitest::waitUntil([&] {
        return std::none_of(workers.begin(), workers.end(),
                            [](auto& w) { return w->thread.isRunning(); });
    });
    for (auto& w : workers) {
        w->thread.join();
        EXPECT_EQ(w->handed, 500);
        EXPECT_EQ(w->guiTotal, 499L * 500 / 2);
    }
}

TEST(GuiHandOver, StopReleasesAWaitingWorkerWithoutRunningItsStep)
{
    GuiHandOver::instance();
    countingWorker w(1000000);
    w.start();
    uitest::waitUntil([&] { return w.handed >= 10; });
    // The GUI thread stops serving and stops the worker: its pending step never runs.
    GuiHandOver::instance().stopAndWait(w.thread, w.stop);
    EXPECT_FALSE(w.thread.isRunning());
    EXPECT_LT(w.handed, 1000000);
    const long total = w.guiTotal;
    QCoreApplication::processEvents();
    EXPECT_EQ(w.guiTotal, total);
}
