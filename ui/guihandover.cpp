#include "ui/guihandover.h"

#include "ui/workerthread.h"

#include <QSocketNotifier>
#include <QThread>

#include <algorithm>

GuiHandOver& GuiHandOver::instance()
{
    static GuiHandOver* handOver = new GuiHandOver; // lives until the process ends
    return *handOver;
}

GuiHandOver::GuiHandOver()
{
    notifier_ = new QSocketNotifier(wakeUp_.descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &GuiHandOver::performPending);
}

GuiHandOver::~GuiHandOver() = default;

bool GuiHandOver::run(const std::function<void()>& step, const std::atomic<bool>& stop)
{
    if (QThread::currentThread() == thread()) {
        step();
        return true;
    }
    request r{&step, &stop};
    std::unique_lock lock(mutex_);
    // cancel() sets the flag before it takes the lock, so a stop is never missed here.
    if (stop)
        return false;
    pending_.push_back(&r);
    wakeUp_.signal();
    finished_.wait(lock, [&] { return r.done; });
    return r.ran;
}

void GuiHandOver::performPending()
{
    wakeUp_.drain();
    std::unique_lock lock(mutex_);
    while (!pending_.empty()) {
        request* r = pending_.front();
        pending_.pop_front();
        // The worker is blocked until `done`, so its step and everything it captured stay
        // valid. Running under the lock orders the worker's writes before the step's reads
        // and the step's writes before the worker's next reads.
        (*r->step)();
        r->ran = true;
        r->done = true;
    }
    finished_.notify_all();
}

void GuiHandOver::cancel(std::atomic<bool>& stop)
{
    stop = true;
    std::lock_guard lock(mutex_);
    const auto released = std::remove_if(pending_.begin(), pending_.end(), [&](request* r) {
        if (r->stop != &stop)
            return false;
        r->done = true;
        return true;
    });
    pending_.erase(released, pending_.end());
    finished_.notify_all();
}

void GuiHandOver::stopAndWait(WorkerThread& worker, std::atomic<bool>& stop)
{
    cancel(stop);
    worker.join();
}
