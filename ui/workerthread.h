// WorkerThread: a joinable thread for the program's workers (the drawing threads, sampling). It
// is a plain POSIX thread rather than a QThread: its start and join are the pthread calls that
// thread checkers understand, so whatever a worker wrote is visibly ordered before the owner's
// reads after join(). Workers never touch widgets; the drawing ones hand what they computed to the
// GUI thread through their DrawingThreads. "Below normal" runs the thread one priority step
// lower: its nice value goes up by one.
//
// The operating system may refuse a new thread (a process limit, no memory for its stack). Then
// start() throws threadStartError and the body never runs; the owner shows the error and stays
// usable. Who starts threads can be chosen: the owner of the workers passes a threadStarter down
// to them, which tests use to make thread creation fail on purpose.
#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstddef>
#include <functional>
#include <stdexcept>

#include <pthread.h>

// Creates a thread as pthread_create does and returns what it returns (0, or an error number).
using threadStarter = std::function<int(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*)>;

// No thread could be started. Its text is what the error box says.
class threadStartError : public std::runtime_error {
public:
    threadStartError() : std::runtime_error(QT_TRANSLATE_NOOP("KelmoApplication", "Not enough memory to start a thread")) {}
};

class WorkerThread {
public:
    enum class priority { normal, belowNormal };

    // An empty starter means pthread_create.
    explicit WorkerThread(threadStarter starter = {});
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts `body` on a new thread; a stack size of 0 keeps the system's default. A thread
    // that is still running is joined first. Throws threadStartError when no thread can be had.
    void start(std::function<void()> body, priority level = priority::belowNormal,
               std::size_t stackSize = 0);
    // Waits for the body to return; harmless when nothing runs.
    void join();

private:
    static void* entry(void* self);

    threadStarter starter_;
    std::function<void()> body_;
    priority level_ = priority::belowNormal;
    pthread_t thread_{};
    bool started_ = false;
};
