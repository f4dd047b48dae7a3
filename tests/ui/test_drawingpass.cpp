// The drawing-pass protocol shared by the thumbnail, preview and graph workers, on a scripted
// surface whose worker can be held at a chosen step: the snapshot taken at the start of a pass,
// a restart, a stop, a stop that comes with a restart pending (a thumbnail released while a
// redraw was pending), withdrawing a surface while its worker waits for its batches to be
// painted, and how far a worker may run ahead of the GUI thread.
#include "uitest.h"

#include "ui/drawingpass.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Draws one step per input value, each in a hand-over of its own. The GUI side records what each
// pass copied and what the picture holds (a pass's beginning clears it).
class scriptedPass : public DrawingPass {
public:
    explicit scriptedPass(DrawingThreads& threads) : DrawingPass(threads) {}
    ~scriptedPass() override { withdraw(); }

    std::vector<int> input;                     // the data, written by the GUI thread
    std::vector<std::vector<int>> snapshots;    // what each pass copied
    std::vector<int> picture;                   // what the picture holds
    int ended = 0;                              // passes that ended with none following
    std::atomic<int> holdAt{-1};                // the worker waits before this step ...
    std::atomic<bool> held{false};
    std::atomic<bool> go{false};                // ... until this is set
    std::atomic<int> handedOver{0};             // steps handed over in the latest pass

protected:
    void beginPass() override
    {
        handedOver = 0;
        copy_ = input;
        snapshots.push_back(input);
        picture.clear();
    }
    void computePass() override
    {
        for (std::size_t i = 0; i < copy_.size(); ++i) {
            if (static_cast<int>(i) == holdAt) {
                held = true;
                while (!go)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            if (interrupted())
                return;
            line(static_cast<QRgb>(copy_[i]), 0, 0, 0, 0);
            if (!handOver())
                return;
            ++handedOver;
        }
    }
    void paint(const drawBatch& batch) override
    {
        for (const drawStep& s : batch.steps)
            picture.push_back(static_cast<int>(s.colour));
    }
    void passEnded() override { ++ended; }

private:
    std::vector<int> copy_; // the worker's copy
};

} // namespace

TEST(DrawingPass, SnapshotRestartStopAndWithdraw)
{
    DrawingThreads thread;
    scriptedPass pass(thread);
    const auto holdAtStep = [&](int step) {
        pass.held = false;
        pass.go = false;
        pass.holdAt = step;
    };
    const auto release = [&] {
        pass.go = true;
        return uitest::waitUntil([&] { return !pass.busy(); });
    };

    // Snapshot at start: data changed mid-pass without a request is not seen by that pass.
    pass.input = {1, 2, 3, 4};
    holdAtStep(2);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return pass.held && pass.picture.size() == 2; }));
    EXPECT_EQ(pass.picture, (std::vector<int>{1, 2}));
    pass.input = {7, 8};
    ASSERT_TRUE(release());
    EXPECT_EQ(pass.picture, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(pass.ended, 1);

    // Restart: a request while busy starts over with a fresh copy; the picture holds only the
    // new pass.
    pass.input = {1, 2, 3, 4};
    holdAtStep(2);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return pass.held.load(); }));
    pass.input = {7, 8, 9};
    pass.request();
    ASSERT_TRUE(release());
    EXPECT_EQ(pass.snapshots.size(), 3u);
    EXPECT_EQ(pass.snapshots.back(), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(pass.picture, (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(pass.ended, 2);

    // Stop: the pass ends at its next check point, keeps what it drew, and none follows; the
    // next request draws in full.
    holdAtStep(1);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return pass.held.load(); }));
    pass.stop();
    ASSERT_TRUE(release());
    EXPECT_EQ(pass.picture, (std::vector<int>{7}));
    EXPECT_EQ(pass.ended, 3);
    holdAtStep(-1);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return !pass.busy(); }));
    EXPECT_EQ(pass.picture, (std::vector<int>{7, 8, 9}));

    // A stop with a restart pending (a released thumbnail whose redraw was pending): the pass
    // ends and no further pass starts.
    const std::size_t passes = pass.snapshots.size();
    holdAtStep(1);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return pass.held.load(); }));
    pass.request();
    pass.stop();
    ASSERT_TRUE(release());
    EXPECT_EQ(pass.snapshots.size(), passes + 1);
    EXPECT_EQ(pass.picture, (std::vector<int>{7}));

    // Withdraw in the middle of a long pass, its worker ahead of the painting (or waiting for
    // it): it returns at once, what was posted and not yet painted never is, and the surface is
    // idle and can draw again.
    holdAtStep(-1);
    pass.input.assign(100000, 5);
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return pass.picture.size() >= 3; }));
    pass.withdraw();
    EXPECT_FALSE(pass.busy());
    const std::size_t painted = pass.picture.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(pass.picture.size(), painted);
    EXPECT_LT(painted, 100000u);
    pass.input = {6};
    pass.request();
    ASSERT_TRUE(uitest::waitUntil([&] { return !pass.busy(); }));
    EXPECT_EQ(pass.picture, (std::vector<int>{6}));
}

// Batches are posted: the worker runs ahead of a GUI thread that does not paint, by a bounded
// number of batches, and everything it handed over is painted in order, also when it is stopped
// meanwhile.
TEST(DrawingPass, WorkerRunsAheadByABoundedNumberOfBatches)
{
    DrawingThreads thread;
    scriptedPass pass(thread);
    for (int i = 0; i < 100; ++i)
        pass.input.push_back(i + 1);
    // The pass begins; its worker waits before its first step, then runs on while the GUI
    // thread serves nothing.
    const auto runAheadUnserved = [&] {
        pass.held = false;
        pass.go = false;
        pass.holdAt = 0;
        pass.request();
        if (!uitest::waitUntil([&] { return pass.held.load(); }))
            return -1;
        pass.go = true;
        for (int k = 0; k < 2000 && pass.handedOver < DrawingThreads::kPostedLimit; ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return pass.handedOver.load();
    };

    EXPECT_EQ(runAheadUnserved(), DrawingThreads::kPostedLimit);
    EXPECT_TRUE(pass.picture.empty());
    ASSERT_TRUE(uitest::waitUntil([&] { return !pass.busy(); }));
    EXPECT_EQ(pass.picture, pass.input);

    ASSERT_EQ(runAheadUnserved(), DrawingThreads::kPostedLimit);
    pass.stop();
    ASSERT_TRUE(uitest::waitUntil([&] { return !pass.busy(); }));
    EXPECT_LT(pass.handedOver, 100);
    EXPECT_EQ(pass.picture, std::vector<int>(pass.input.begin(), pass.input.begin() + pass.handedOver));
}
