// SamplingWorker: the sampling worker of the generation dialog. It evaluates an expression tree
// at x = i/N (0 <= i < N) into its own sample buffer on a thread of normal priority with a
// 163840-byte stack, and destroys the tree on that thread when the run ends. A run that ends after
// the dialog has closed simply leaves `done` set. The tree holds the variables it reads through
// shared pointers, so removing one meanwhile frees nothing the run still reads.
//
// A run can be stopped: it looks at its stop flag between instructions over a block of points,
// so stop() returns within a fraction of a second however long the formula is. A stopped run
// leaves `done` clear and its incomplete buffer is nobody's result; it never writes anything but
// that buffer. The main window owns the worker for the whole
// program and registers it as the workspace's background reader: whoever is about to change
// samples that a run may read goes through the workspace's write guard, which stops the run
// rather than waiting it out.
//
// A thread that cannot be started is an error the caller sees (threadStartError); the worker is
// then idle as before. Everything here is for the GUI thread; buffer() may be read only while no
// run is busy.
#pragma once

#include "core/workspace.h"
#include "dsp/samplebuffer.h"
#include "ui/workerthread.h"

#include <atomic>
#include <memory>

class mathNode;

class SamplingWorker : public backgroundReader {
public:
    static constexpr std::size_t kStackSize = 163840;

    // Runs on threads made by `starter` (empty: pthread_create).
    explicit SamplingWorker(threadStarter starter = {});
    ~SamplingWorker() override; // stops a run still going

    // Starts a run over `count` samples (clamped to 1 .. 65536). Never while busy. Throws
    // threadStartError when no thread can be had; the tree is dropped and nothing runs.
    void start(std::unique_ptr<mathNode> root, int count);

    // Makes a running run end within a fraction of a second and waits until its thread has
    // ended; busy() is then false and done() stays false. Harmless when idle.
    void stop();

    bool busy() const { return busy_; }
    // How far the latest run has got: i*100/N (rounded, halves to even) before the block that
    // starts at sample i, 100 once it has finished, 0 from its start.
    int progress() const { return progress_.load(std::memory_order_relaxed); }
    // A run has finished all its samples and its result has not been taken yet.
    bool done() const { return done_; }
    void clearDone() { done_ = false; }
    const sampleBuffer& buffer() const { return buffer_; }
    // The write guard's call: the run is stopped, and no sample is read any more once it returns.
    void stopReading() override { stop(); }

private:
    std::atomic<int> progress_{0};
    std::atomic<bool> busy_{false};
    std::atomic<bool> done_{false};
    std::atomic<bool> stop_{false};
    sampleBuffer buffer_;
    std::unique_ptr<mathNode> root_;
    int count_ = 0;
    WorkerThread thread_;
};
