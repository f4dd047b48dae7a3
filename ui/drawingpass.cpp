#include "ui/drawingpass.h"

#include "ui/guihandover.h"
#include "ui/workerthread.h"

#include <algorithm>

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
    batch_.clear();
    repaint_ = false;
}

void DrawingPass::line(QRgb colour, int x1, int y1, int x2, int y2, bool dashed)
{
    drawStep& s = batch_.emplace_back();
    s.colour = colour;
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.dashed = dashed;
}

void DrawingPass::text(QRgb colour, int x, int y, QString value, int rightLimit)
{
    drawStep& s = batch_.emplace_back();
    s.colour = colour;
    s.x1 = x;
    s.y1 = y;
    s.text = std::move(value);
    s.rightLimit = rightLimit;
}

bool DrawingPass::onGuiThread(const std::function<void()>& action)
{
    return GuiHandOver::instance().run(action, withdrawn_);
}

bool DrawingPass::handOver()
{
    const bool ran = onGuiThread([this] { paint(batch_, repaint_); });
    batch_.clear();
    repaint_ = false;
    return ran;
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
    batch_.clear();
    repaint_ = false;
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
    paint(batch_, repaint_);
    settle();
    return false;
}

void DrawingPass::settle()
{
    busy_ = false;
    passEnded();
    stop_ = false;
    batch_.clear();
    repaint_ = false;
}

// ---- the threads -------------------------------------------------------------------------------

DrawingThreads::DrawingThreads(int count) : count_(std::max(count, 1)) {}

DrawingThreads::~DrawingThreads()
{
    shutdown();
}

void DrawingThreads::enqueue(DrawingPass* pass)
{
    GuiHandOver::instance(); // made on the GUI thread before any worker asks for it
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
