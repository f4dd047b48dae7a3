#include "ui/workerthread.h"

#include <sys/resource.h>
#include <unistd.h>

WorkerThread::~WorkerThread()
{
    join();
}

void WorkerThread::start(std::function<void()> body, priority level, std::size_t stackSize)
{
    join();
    body_ = std::move(body);
    level_ = level;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    if (stackSize > 0)
        pthread_attr_setstacksize(&attributes, stackSize);
    running_ = true;
    started_ = pthread_create(&thread_, &attributes, &WorkerThread::entry, this) == 0;
    if (!started_) { // no thread to be had: run the body here rather than lose the work
        running_ = false;
        body_();
    }
    pthread_attr_destroy(&attributes);
}

void WorkerThread::join()
{
    if (!started_)
        return;
    pthread_join(thread_, nullptr);
    started_ = false;
}

void* WorkerThread::entry(void* self)
{
    auto* thread = static_cast<WorkerThread*>(self);
    if (thread->level_ == priority::belowNormal) {
        const int current = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), current + 1);
    }
    thread->body_();
    thread->running_ = false;
    return nullptr;
}
