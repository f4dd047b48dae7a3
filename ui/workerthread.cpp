#include "ui/workerthread.h"

#include "ui/threadplumbing.h"

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
    if (thread->level_ == priority::belowNormal)
        threadPlumbing::lowerCurrentThreadPriority();
    thread->body_();
    thread->running_ = false;
    return nullptr;
}
