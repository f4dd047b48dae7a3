// GuiHandOver: runs a step on the GUI thread for a worker thread and waits until it has run.
// The drawing workers never paint; they hand their drawing steps over through this class. It
// wakes the GUI thread through a wake-up signal (threadplumbing.h) watched by a QSocketNotifier
// and keeps its queue under a std::mutex, so every hand-over is an ordinary mutex/condition-
// variable exchange that thread checkers can follow (no Qt event object crosses threads).
// Created on the GUI thread.
#pragma once

#include "ui/threadplumbing.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class QSocketNotifier;
class WorkerThread;

class GuiHandOver : public QObject {
    Q_OBJECT
public:
    // The program's one instance; the first call must come from the GUI thread.
    static GuiHandOver& instance();

    // From a worker: runs `step` on the GUI thread and returns true once it has run; returns
    // false without running it when `stop` is set (before or while waiting, see cancel()).
    // From the GUI thread itself the step simply runs.
    bool run(const std::function<void()>& step, const std::atomic<bool>& stop);

    // GUI thread: sets `stop` and releases the worker that waits with it, its step not run.
    void cancel(std::atomic<bool>& stop);

    // GUI thread: stops a worker that hands over with `stop` and waits for its thread to end.
    void stopAndWait(WorkerThread& worker, std::atomic<bool>& stop);

    ~GuiHandOver() override;

private:
    GuiHandOver();
    void performPending();

    struct request {
        const std::function<void()>* step;
        const std::atomic<bool>* stop;
        bool done = false;
        bool ran = false;
    };

    threadPlumbing::wakeUpSignal wakeUp_;
    QSocketNotifier* notifier_ = nullptr;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::deque<request*> pending_;
};
