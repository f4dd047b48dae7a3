#include "ui/guihandover.h"

#include "ui/workerthread.h"

#include <QSocketNotifier>
#include <QThread>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

GuiHandOver& GuiHandOver::instance()
{
    static GuiHandOver* handOver = new GuiHandOver; // lives until the process ends
    return *handOver;
}

GuiHandOver::GuiHandOver()
{
    eventFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    notifier_ = new QSocketNotifier(eventFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &GuiHandOver::performPending);
}

GuiHandOver::~GuiHandOver()
{
    ::close(eventFd_);
}

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
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(eventFd_, &one, sizeof one);
    finished_.wait(lock, [&] { return r.done; });
    return r.ran;
}

void GuiHandOver::performPending()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read(eventFd_, &count, sizeof count);
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
