// WorkerThread: a joinable thread for the program's workers (the drawing threads, sampling). It
// is a plain POSIX thread rather than a QThread: its start and join are the pthread calls that
// thread checkers understand, so whatever a worker wrote is visibly ordered before the owner's
// reads after join(). Workers never touch widgets; they paint through GuiHandOver. "Below
// normal" runs the thread one priority step lower: its nice value goes up by one.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

#include <pthread.h>

class WorkerThread {
public:
    enum class priority { normal, belowNormal };

    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts `body` on a new thread; a stack size of 0 keeps the system's default. A thread
    // that is still running is joined first.
    void start(std::function<void()> body, priority level = priority::belowNormal,
               std::size_t stackSize = 0);
    // Waits for the body to return; harmless when nothing runs.
    void join();
    // True from start() until the body has returned.
    bool isRunning() const { return running_; }

private:
    static void* entry(void* self);

    std::function<void()> body_;
    priority level_ = priority::belowNormal;
    pthread_t thread_{};
    bool started_ = false;
    std::atomic<bool> running_{false};
};
