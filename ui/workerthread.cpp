#include "ui/workerthread.h"

#include "ui/threadplumbing.h"

WorkerThread::WorkerThread(threadStarter starter) : starter_(std::move(starter)) {}

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
    const int failed = starter_ ? starter_(&thread_, &attributes, &WorkerThread::entry, this)
                                : pthread_create(&thread_, &attributes, &WorkerThread::entry, this);
    pthread_attr_destroy(&attributes);
    started_ = failed == 0;
    if (!started_) {
        body_ = nullptr;
        throw threadStartError();
    }
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
    return nullptr;
}
