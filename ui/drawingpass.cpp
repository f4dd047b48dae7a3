#include "ui/drawingpass.h"

#include "ui/guihandover.h"
#include "ui/workerthread.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <chrono>

// ---- the pass ----------------------------------------------------------------------------------

DrawingPass::~DrawingPass()
{
    withdraw(); // a no-op when the subclass has withdrawn already, as it must
}

void DrawingPass::request()
{
    stop_ = false;
    if (busy_) {
        restart_ = true;
        return;
    }
    busy_ = true;
    restart_ = false;
    threads_.enqueue(this);
}

void DrawingPass::withdraw()
{
    GuiHandOver::instance().cancel(withdrawn_); // releases a hand-over that waits, unrun
    threads_.letGo(this);
    busy_ = false;
    restart_ = false;
    stop_ = false;
    withdrawn_ = false;
    batch_ = {};
}

void DrawingPass::line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed)
{
    drawStep& s = batch_.steps.emplace_back();
    s.colour = colour;
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.dashed = dashed;
}

void DrawingPass::text(QRgb colour, int x, int y, QString value, int rightLimit)
{
    drawStep& s = batch_.steps.emplace_back();
    s.colour = colour;
    s.x1 = x;
    s.y1 = y;
    s.text = std::move(value);
    s.rightLimit = rightLimit;
}

bool DrawingPass::onGuiThread(const std::function<void()>& action)
{
    return GuiHandOver::instance().run(
        [&] {
            threads_.paintPostedOf(*this);
            action();
        },
        withdrawn_);
}

bool DrawingPass::handOver()
{
    const std::size_t size = batch_.steps.size();
    const bool posted = threads_.post(*this, std::move(batch_));
    batch_ = {};
    batch_.steps.reserve(size); // the next batch is much like this one
    return posted;
}

void DrawingPass::drawPasses()
{
    bool drawing = false;
    if (!onGuiThread([&] { drawing = startPass(); }))
        return;
    while (drawing) {
        computePass();
        if (!onGuiThread([&] { drawing = endPass(); }))
            return;
    }
}

bool DrawingPass::startPass()
{
    restart_ = false;
    batch_ = {};
    if (stop_) { // stopped before it began: the picture is left as it is
        settle();
        return false;
    }
    ++passes_;
    beginPass();
    return true;
}

bool DrawingPass::endPass()
{
    // What a pass cut short by a restart collected would be cleared at once: it starts over.
    if (restart_)
        return startPass();
    paint(batch_);
    settle();
    return false;
}

void DrawingPass::settle()
{
    busy_ = false;
    passEnded();
    stop_ = false;
    batch_ = {};
}

// ---- the threads -------------------------------------------------------------------------------

namespace {

// The longest the GUI thread paints posted batches before it turns to its other events.
constexpr std::chrono::milliseconds kPaintSlice{2};

} // namespace

DrawingThreads::DrawingThreads(int count) : count_(std::max(count, 1)) {}

DrawingThreads::~DrawingThreads()
{
    shutdown();
}

void DrawingThreads::enqueue(DrawingPass* pass)
{
    GuiHandOver::instance(); // made on the GUI thread before any worker asks for it
    if (!notifier_) {
        // Owned by the application, so it never outlives the GUI thread's event dispatcher.
        notifier_ = new QSocketNotifier(wakeUp_.descriptor(), QSocketNotifier::Read,
                                        QCoreApplication::instance());
        QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { paintPosted(); });
    }
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(pass);
        if (threads_.empty()) {
            quit_ = false;
            for (int k = 0; k < count_; ++k) {
                auto& thread = threads_.emplace_back(std::make_unique<WorkerThread>());
                thread->start([this] { serve(); }, WorkerThread::priority::belowNormal);
            }
        }
    }
    work_.notify_one();
}

void DrawingThreads::letGo(DrawingPass* pass)
{
    std::unique_lock lock(mutex_);
    queue_.erase(std::remove(queue_.begin(), queue_.end(), pass), queue_.end());
    // Its batches are dropped unpainted, and a worker that waits for them to be painted sees
    // the withdrawal.
    posted_.erase(std::remove_if(posted_.begin(), posted_.end(),
                                 [pass](const postedBatch& b) { return b.pass == pass; }),
                  posted_.end());
    pass->posted_ = 0;
    room_.notify_all();
    released_.wait(lock, [&] { return std::find(drawing_.begin(), drawing_.end(), pass) == drawing_.end(); });
}

void DrawingThreads::shutdown()
{
    std::vector<DrawingPass*> passes;
    {
        const std::lock_guard lock(mutex_);
        passes.assign(queue_.begin(), queue_.end());
        passes.insert(passes.end(), drawing_.begin(), drawing_.end());
        quit_ = true;
    }
    for (DrawingPass* pass : passes)
        pass->withdraw();
    work_.notify_all();
    for (auto& thread : threads_)
        thread->join();
    threads_.clear();
    delete notifier_.data();
}

void DrawingThreads::serve()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return quit_ || !queue_.empty(); });
        if (quit_)
            return;
        DrawingPass* pass = queue_.front();
        queue_.pop_front();
        drawing_.push_back(pass);
        lock.unlock();
        pass->drawPasses();
        lock.lock();
        drawing_.erase(std::find(drawing_.begin(), drawing_.end(), pass));
        released_.notify_all();
    }
}

bool DrawingThreads::post(DrawingPass& pass, drawBatch&& batch)
{
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return pass.posted_ < kPostedLimit || pass.withdrawn_; });
    if (pass.withdrawn_)
        return false;
    // An empty queue means the GUI thread may be asleep; otherwise it comes back for more.
    const bool wake = posted_.empty();
    posted_.push_back({&pass, std::move(batch)});
    ++pass.posted_;
    lock.unlock();
    if (wake)
        wakeUp_.signal();
    return true;
}

void DrawingThreads::batchDone(DrawingPass& pass)
{
    if (pass.posted_ > 0 && --pass.posted_ == kPostedResume)
        room_.notify_all();
}

void DrawingThreads::paintPosted()
{
    wakeUp_.drain();
    std::unique_lock lock(mutex_);
    // What is queued now is painted in one go, so its views repaint once for all of it, unless
    // that takes longer than the GUI thread should be kept from its other events; what comes in
    // meanwhile waits for the next turn of the event loop.
    const auto until = std::chrono::steady_clock::now() + kPaintSlice;
    for (std::size_t n = posted_.size(); n > 0 && !posted_.empty(); --n) {
        if (std::chrono::steady_clock::now() > until)
            break;
        postedBatch next = std::move(posted_.front());
        posted_.pop_front();
        lock.unlock();
        next.pass->paint(next.batch);
        lock.lock();
        batchDone(*next.pass);
    }
    if (!posted_.empty())
        wakeUp_.signal();
}

void DrawingThreads::paintPostedOf(DrawingPass& pass)
{
    std::vector<drawBatch> batches;
    {
        const std::lock_guard lock(mutex_);
        if (pass.posted_ == 0)
            return;
        for (auto it = posted_.begin(); it != posted_.end();) {
            if (it->pass != &pass) {
                ++it;
                continue;
            }
            batches.push_back(std::move(it->batch));
            it = posted_.erase(it);
        }
        pass.posted_ = 0;
        room_.notify_all();
    }
    for (const drawBatch& batch : batches)
        pass.paint(batch);
}
