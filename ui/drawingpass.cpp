#include "ui/drawingpass.h"

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
    restart_ = false;
    threads_.enqueue(this);
    busy_ = true;
}

void DrawingPass::withdraw()
{
    threads_.letGo(this); // also releases a hand-over that waits, unrun
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
    return threads_.call(*this, action);
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

DrawingThreads::DrawingThreads(int count, threadStarter starter)
    : count_(std::max(count, 1)), starter_(std::move(starter))
{
}

DrawingThreads::~DrawingThreads()
{
    shutdown();
}

void DrawingThreads::enqueue(DrawingPass* pass)
{
    if (!notifier_) {
        // Owned by the application, so it never outlives the GUI thread's event dispatcher.
        notifier_ = new QSocketNotifier(wakeUp_.descriptor(), QSocketNotifier::Read,
                                        QCoreApplication::instance());
        QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] { serveGuiThread(); });
    }
    startThreads();
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(pass);
    }
    work_.notify_one();
}

void DrawingThreads::startThreads()
{
    if (static_cast<int>(threads_.size()) == count_)
        return;
    if (threads_.empty()) {
        const std::lock_guard lock(mutex_);
        quit_ = false;
    }
    // Without the mutex: a thread that starts takes it at once.
    try {
        while (static_cast<int>(threads_.size()) < count_) {
            auto thread = std::make_unique<WorkerThread>(starter_);
            thread->start([this] { serve(); }, WorkerThread::priority::belowNormal);
            threads_.push_back(std::move(thread));
        }
    } catch (const threadStartError&) {
        if (threads_.empty())
            throw;
        // The threads that did start serve every surface; the others are tried again later.
    }
}

void DrawingThreads::letGo(DrawingPass* pass)
{
    std::unique_lock lock(mutex_);
    pass->withdrawn_ = true;
    queue_.erase(std::remove(queue_.begin(), queue_.end(), pass), queue_.end());
    // Its batches are dropped unpainted, a hand-over it waits for is released unrun, and a
    // worker that waits for its batches to be painted sees the withdrawal.
    posted_.erase(std::remove_if(posted_.begin(), posted_.end(),
                                 [pass](const postedBatch& b) { return b.pass == pass; }),
                  posted_.end());
    pass->posted_ = 0;
    calls_.erase(std::remove_if(calls_.begin(), calls_.end(),
                                [pass](pendingCall* c) {
                                    if (c->pass != pass)
                                        return false;
                                    c->done = true;
                                    return true;
                                }),
                 calls_.end());
    room_.notify_all();
    called_.notify_all();
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
    // Empty queues mean the GUI thread may be asleep; otherwise it comes back for more.
    const bool wake = posted_.empty() && calls_.empty();
    posted_.push_back({&pass, std::move(batch)});
    ++pass.posted_;
    lock.unlock();
    if (wake)
        wakeUp_.signal();
    return true;
}

bool DrawingThreads::call(DrawingPass& pass, const std::function<void()>& action)
{
    pendingCall c{&pass, &action};
    std::unique_lock lock(mutex_);
    if (pass.withdrawn_)
        return false;
    calls_.push_back(&c);
    wakeUp_.signal();
    // The GUI thread runs the action without the mutex and sets `done` under it, so what the
    // action wrote is seen here, and what this worker wrote before is seen there.
    called_.wait(lock, [&] { return c.done; });
    return c.ran;
}

void DrawingThreads::batchDone(DrawingPass& pass)
{
    if (pass.posted_ > 0 && --pass.posted_ == kPostedResume)
        room_.notify_all();
}

void DrawingThreads::serveGuiThread()
{
    wakeUp_.drain();
    std::unique_lock lock(mutex_);
    // A worker waits for each hand-over, so they come first; each after the batches its pass
    // posted before it. Withdrawing happens on this thread too, so a call taken from the queue
    // stays valid until it is marked done.
    while (!calls_.empty()) {
        pendingCall* c = calls_.front();
        calls_.pop_front();
        lock.unlock();
        bool ran = false;
        try {
            paintPostedOf(*c->pass);
            (*c->action)();
            ran = true;
        } catch (...) { // the worker is let go whatever happens, and the error goes on
            lock.lock();
            c->done = true;
            called_.notify_all();
            throw;
        }
        lock.lock();
        c->ran = ran;
        c->done = true;
        called_.notify_all();
    }
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
    if (!posted_.empty() || !calls_.empty())
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
