// The few operating-system calls the window layer's threads need, behind one small interface so
// that everything else is plain C++ and Qt: lowering a worker thread's priority, and a wake-up
// signal whose descriptor turns readable while it is signalled, so that a QSocketNotifier on the
// GUI thread can watch it. This is the Linux implementation (setpriority on the thread id, an
// eventfd); another system would give these two pieces their own bodies (a pipe, for instance).
#pragma once

namespace threadPlumbing {

// Gives the calling thread a priority one step below normal: its nice value goes up by one.
void lowerCurrentThreadPriority();

class wakeUpSignal {
public:
    wakeUpSignal();
    ~wakeUpSignal();
    wakeUpSignal(const wakeUpSignal&) = delete;
    wakeUpSignal& operator=(const wakeUpSignal&) = delete;

    // Readable while signalled; for a QSocketNotifier.
    int descriptor() const { return descriptor_; }
    // Any thread: makes the descriptor readable.
    void signal();
    // The watching thread: consumes every signal so far.
    void drain();

private:
    int descriptor_ = -1;
};

} // namespace threadPlumbing
